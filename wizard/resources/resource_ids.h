// Numbers of the wizard's own resources.
#pragma once

// Configuration string table.
#define IDS_OK_CAPTION 5
#define IDS_PRODUCT_CODE 1000
#define IDS_PRODUCT_NAME 1001
#define IDS_MODEM_NAME_COM 1004
#define IDS_MIN_BROWSER 1007
#define IDS_DISK_9X 1008
#define IDS_DISK_NT 1009
#define IDS_DISK_MIN 1010
#define IDS_MODINST_NT 1011
#define IDS_MODINST_9X 1012
#define IDS_MODINST_2K 1013
#define IDS_MODINST_XP 1014
#define IDS_SYSUPDATE 1015
#define IDS_VERSION_TEXT 1016
#define IDS_MODEM_NAME_IRDA 1017
#define IDS_MODEM_NAME_2 1018
#define IDS_DIALER_INF 1019
#define IDS_NO_LANGUAGE 9999

// Program icon.
#define IDI_WIZARD 1

// Bitmaps.
#define IDB_PAGE 101         // page background, 460 x 447 (main window page, message dialog, cancel query)
#define IDB_SCREEN 102       // screen background, 800 x 600
#define IDB_CLOSEAPP 103     // close-other-programs window background, 461 x 447
#define IDB_BUTTON 120       // picture button, normal, 96 x 23
#define IDB_BUTTON_LIT 121   // picture button, lit, 96 x 23
#define IDB_OPTION_GREY 200  // option face, grey (disabled or not yet chosen), 14 x 14
#define IDB_OPTION_OFF 201   // option face, not selected, 14 x 14
#define IDB_OPTION_ON 202    // option face, selected, 14 x 14

// The custom mouse pointer of the picture buttons, 32 x 32.
#define IDC_POINTER 300
