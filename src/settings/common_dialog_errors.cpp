// Texts shown when a common dialog fails, by the extended error code the system reports.

#include "settings/text.h"

namespace pw {

namespace {

struct DialogError {
    unsigned long code;
    const char* text;
};

constexpr DialogError kDialogErrors[] = {
    {0x0001, "The lStructSize member of a structure for the corresponding common dialog box is invalid."},
    {0x0002,
     "The common dialog box procedure failed during initialization. This error often occurs when insufficient memory "
     "is available."},
    {0x0003,
     "The ENABLETEMPLATE flag was specified in the Flags member of a structure for the corresponding common dialog "
     "box, but the application failed to provide a corresponding template."},
    {0x0004,
     "The ENABLETEMPLATE flag was specified in the Flags member of a structure for the corresponding common dialog "
     "box, but the application failed to provide a corresponding instance handle."},
    {0x0005, "The common dialog box procedure failed to load a specified string."},
    {0x0006, "The common dialog box procedure failed to find a specified resource."},
    {0x0007, "The common dialog box procedure failed to load a specified resource."},
    {0x0008, "\tThe common dialog box procedure failed to lock a specified resource."},
    {0x0009, "The common dialog box procedure was unable to allocate memory for internal structures."},
    {0x000A, "The common dialog box procedure was unable to lock the memory associated with a handle."},
    {0x000B,
     "The ENABLEHOOK flag was specified in the Flags member of a structure for the corresponding common dialog box, "
     "but the application failed to provide a pointer to a corresponding hook function."},
    {0x000C,
     "The RegisterWindowMessage function returned an error value when it was called by the common dialog box "
     "procedure."},
    {0x1000, "Error codes for the Print common dialog box. These errors are in the range 0x1000 through 0x1FFF."},
    {0x1001, "The PrintDlg function failed to load the required resources."},
    {0x1002, "The PrintDlg function failed to parse the strings in the [devices] section of the WIN.INI file."},
    {0x1003,
     "The PD_RETURNDEFAULT flag was specified in the Flags member of the PRINTDLG structure, but the hDevMode or "
     "hDevNames member was nonzero."},
    {0x1004, "The PrintDlg function failed to load the device driver for the specified printer."},
    {0x1005,
     "The printer driver failed to initialize a DEVMODE structure. (This error value applies only to printer drivers "
     "written for Windows versions 3.0 and later.)"},
    {0x1006,
     "The PrintDlg function failed during initialization, and there is no more specific extended error code to "
     "describe the failure. This is the generic default error code for the function."},
    {0x1007, "No printer drivers were found."},
    {0x1008, "A default printer does not exist."},
    {0x1009, "The data in the DEVMODE and DEVNAMES structures describes two different printers."},
    {0x100A, "The PrintDlg function failed when it attempted to create an information context."},
    {0x100B, "The [devices] section of the WIN.INI file did not contain an entry for the requested printer."},
    {0x100C,
     "An application called the PrintDlg function with the DN_DEFAULTPRN flag specified in the wDefault member of the "
     "DEVNAMES structure, but the printer described by the other structure members did not match the current default "
     "printer. (This error happens when an application stores the DEVNAMES structure and the user changes the default "
     "printer by using Control Panel.)"},
    {0x2000, "Error codes for the Font common dialog box. These errors are in the range 0x2000 through 0x2FFF."},
    {0x2001, "No fonts exist."},
    {0x2002,
     "The size specified in the nSizeMax member of the CHOOSEFONT structure is less than the size specified in the "
     "nSizeMin member."},
    {0x3000,
     "Error codes for the Open and Save As common dialog boxes. these errors are in the range 0x3000 through 0x3FFF."},
    {0x3001, "An attempt to subclass a list box failed because insufficient memory was available."},
    {0x3002, "A filename is invalid."},
    {0x3003,
     "The buffer for a filename is too small. (This buffer is pointed to by the lpstrFile member of the structure for "
     "a common dialog box.)"},
    {0x4000,
     "Error codes for the Find and Replace common dialog boxes. these errors are in the range 0x4000 through 0x4FFF."},
    {0x4001, "A member in a structure for the corresponding common dialog box points to an invalid buffer."},
    {0xFFFF,
     "The common dialog box procedure's call to the DialogBox function failed. For example, this error occurs if the "
     "common dialog box call specifies an invalid window handle."},
};

}  // namespace

const char* CommonDialogErrorText(unsigned long code)
{
    for (const DialogError& error : kDialogErrors) {
        if (error.code == code) return error.text;
    }
    return nullptr;
}

}  // namespace pw
