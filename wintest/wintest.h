// Support for the tests that run under Wine, all parts in one include. A test may include
// only the parts it uses:
//   modalscript.h  the message queue and modal dialogs
//   sysdialogs.h   message boxes and the common file dialogs
//   keyinput.h     the keyboard
//   startprog.h    started programs, WinMain run in this process, Wine paths, this
//                  process's memory
//   screencap.h    screen capture and screenshots
//   wndplace.h     where windows stand: on the screen, in their parent
//   tempfiles.h    the tests' own folders, files read and written whole
//   helpengine.h   a help engine that records its requests
#pragma once

#include "helpengine.h"
#include "keyinput.h"
#include "modalscript.h"
#include "screencap.h"
#include "startprog.h"
#include "sysdialogs.h"
#include "tempfiles.h"
#include "wndplace.h"
