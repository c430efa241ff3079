// The stub's entry: the program body does everything and ends the process.
#include <windows.h>

#include "StartupError.h"
#include "szsfxmain2.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        szsfxmain2();
    } catch (...) {
        StartupFailure();
    }
    return kExitFailure;  // not reached: the program body ends the process
}
