// On Windows 7-Zip leaves IID_IUnknown to the system's GUID library, whose
// object that holds it brings a few hundred other GUIDs along; so the module
// defines it here, as 7-Zip itself does where there is no such library.
#include <unknwn.h>

extern "C" const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
