// The Keywords dialog's resource and control ids (shared by the resource script and the code).
#pragma once

#define IDD_KEYWORDS 237
#define IDC_KEYWORD_LIST 1066
#define IDC_KEYWORD_ADD 1046
#define IDC_KEYWORD_DELETE 1067
#define IDC_KEYWORD_BOX 1070
