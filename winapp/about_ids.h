// Identifiers of the About dialog, shared by its code and the resource scripts that hold a
// program's template. Plain defines, so that the resource compiler reads them too.
#pragma once

// Labels that may name a value of the program's version block, processed in this order.
#define IDC_VERSION_FIRST 1001
#define IDC_VERSION_2 1002
#define IDC_VERSION_3 1003
#define IDC_ABOUT_NOTICE 1004
#define IDC_VERSION_LAST 1005
// The black rule under the texts of the LorvexMDI template.
#define IDC_ABOUT_RULE 501
