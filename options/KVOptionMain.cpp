// The one application object of KVOption.exe; the framework's WinMain runs it.
#include "OptionApp.h"

COptionApp theApp;
