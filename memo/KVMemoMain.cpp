// The one application object of KVMemo.exe; the framework's WinMain runs it.
#include "MemoApp.h"

CMemoApp theApp;
