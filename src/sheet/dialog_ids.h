// The cell editor's resource and control ids (shared by the resource script and the code).
#pragma once

#define IDD_CELL_EDIT 181
#define IDC_CELL_EDIT 1020
