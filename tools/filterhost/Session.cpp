#include "Session.h"

#include "ByteIo.h"
#include "FileIo.h"
#include "Platform.h"
#include "SealedFile.h"

namespace {

constexpr char kMagic[9] = "FHSESS01";
constexpr size_t kMaxBlock = 16 << 20;
constexpr size_t kMaxFileSize = 3 * kMaxBlock + 64;

}  // namespace

void SaveSession(const std::filesystem::path& path, const Session& session) {
    ByteWriter w;
    w.blob(session.parameters);
    w.blob(session.data);
    w.u8(session.descriptor ? 1 : 0);
    if (session.descriptor) w.blob(session.descriptor->serialize());
    WriteFileAtomically(path, Seal(kMagic, w.bytes()));
}

Session LoadSession(const std::filesystem::path& path) {
    std::string what = "session file '" + platform::PathToUtf8(path) + "'";
    Bytes payload = Unseal(kMagic, ReadFile(path, kMaxFileSize), what);
    ByteReader r(payload, what);
    Session session;
    session.parameters = r.blob(kMaxBlock);
    session.data = r.blob(kMaxBlock);
    uint8_t hasDescriptor = r.u8();
    if (hasDescriptor > 1) r.fail("bad descriptor flag");
    if (hasDescriptor) session.descriptor = Descriptor::Parse(r.blob(kMaxBlock));
    if (r.remaining() != 0) r.fail("unexpected bytes after the end");
    return session;
}
