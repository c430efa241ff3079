// The library raises its own failures (a string or buffer longer than it can
// hold, an allocation it cannot make) through these functions. Its versions
// live in one object with every exception type of the library, which would
// bring in a second string implementation and more; here each one raises the
// allocation failure, which the entry point answers with the start-up error
// like any other failure that nothing else catches. A failed container check
// (an index out of range: a fault of this program) ends the process at once;
// the library's version would print it, demangled, to a console the program
// does not have.
#include <cstdlib>
#include <new>

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_alloc(); }
void __throw_length_error(const char*) { throw bad_alloc(); }
void __throw_logic_error(const char*) { throw bad_alloc(); }
void __throw_out_of_range_fmt(const char*, ...) { throw bad_alloc(); }

void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept { abort(); }

}  // namespace std
