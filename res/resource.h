// Resource ids shared by the program's code and its resource script (tlw.rc).
// Only #define lines, so that both the C++ compiler and the resource compiler can read it.
#ifndef TLW_RES_RESOURCE_H
#define TLW_RES_RESOURCE_H

// ---------------------------------------------------------------------------------------------
// Icons
// ---------------------------------------------------------------------------------------------

// The program icon: the sheet's window and drag icon.
#define IDI_PROGRAM                     128
// The question shown by the load confirmation and restart dialogs (and the change password
// dialog's picture before its mode chooses one).
#define IDI_CONFIRM                     225
// The setup password's picture: the password page and the change password dialog in mode 2.
#define IDI_SETUP_PASSWORD              301
// The power-on password's picture: the password page and the change password dialog in mode 1.
#define IDI_POWER_ON_PASSWORD           302

// ---------------------------------------------------------------------------------------------
// Bitmaps: the 256-colour page pictures and the masks that let them show the page through
// ---------------------------------------------------------------------------------------------

#define IDB_PASSWORD_PICTURE            147
#define IDB_DISPLAY_PICTURE             148
#define IDB_POST_PICTURE                155
#define IDB_BOOT_PICTURE                229
#define IDB_DISPLAY_MASK                235
#define IDB_INFO_PICTURE                255
#define IDB_POST_MASK                   259

// ---------------------------------------------------------------------------------------------
// Dialog templates
// ---------------------------------------------------------------------------------------------

// Settings pages, in the order the sheet shows them: information, POST, boot sequence,
// password, display device.
#define IDD_INFO_PAGE                   131
#define IDD_POST_PAGE                   130
#define IDD_BOOT_PAGE                   136
#define IDD_PASSWORD_PAGE               135
#define IDD_DISPLAY_PAGE                138
// Small modal dialogs.
#define IDD_PASSWORD_PROMPT             220
#define IDD_RESTART                     293
#define IDD_CHANGE_PASSWORD             300
#define IDD_LOAD_SETTINGS               301
#define IDD_ABOUT                       309
#define IDD_ASSET_TAG                   324

// ---------------------------------------------------------------------------------------------
// Menus and commands
// ---------------------------------------------------------------------------------------------

// The sheet's right-click menu; its one pop-up holds the three commands below.
#define IDR_SHEET_MENU                  303
#define IDM_LOAD_DEFAULT                32786
#define IDM_LOAD_PREVIOUS               32787
#define IDM_ABOUT                       32789
// The boot order list's own context menu (made in code from strings 416 to
// 419); Alt+Up and Alt+Down on the list send the first two.
#define IDM_BOOT_MOVE_UP                32790
#define IDM_BOOT_MOVE_DOWN              32791
#define IDM_BOOT_MOVE_TO_TOP            32792
#define IDM_BOOT_MOVE_TO_BOTTOM         32793
// The Help command that the sheet's Help button and the pages' help requests are routed to.
#define IDM_HELP                        57670
// The property sheet's own Apply button (created by the common controls, not by a template).
#define IDC_SHEET_APPLY                 12321
#define IDC_SHEET_TABS                  12320   // the sheet's tab control
#define IDC_SHEET_HELP                  9       // the sheet's Help button (IDHELP)

// ---------------------------------------------------------------------------------------------
// Controls
// ---------------------------------------------------------------------------------------------

#ifndef IDC_STATIC
#define IDC_STATIC                      (-1)
#endif

// Every page: the large title text at the top, drawn in the page's title font.
#define IDC_PAGE_TITLE                  1308

// Information page (template 131).
#define IDC_INFO_PICTURE                1218
#define IDC_INFO_LIST                   1311
#define IDC_INFO_WELCOME                1312
#define IDC_INFO_INTRO                  1313
#define IDC_INFO_BIOS_REVISION          1314    // hidden; never shown
#define IDC_CHANGE_ASSET_TAG            1346

// POST page (template 130).
#define IDC_POST_PICTURE                1141
#define IDC_POST_SIMPLE_BOOT            1282    // shown as "Enable Fast Boot"
#define IDC_POST_FAST_POST              1284    // shown as "Enable Quiet Boot"; hidden at start
#define IDC_POST_HOTKEY_BEEP            1321    // hidden; never shown
#define IDC_POST_FAN_ALWAYS_ON          1352

// Boot sequence page (template 136).
#define IDC_BOOT_PICTURE                1136
#define IDC_BOOT_ORDER_GROUP            1225
#define IDC_BOOT_ORDER_LIST             1325    // the drag list of boot devices
#define IDC_HDD_BOOT_GROUP              1226
#define IDC_HDD_BOOT_COMBO              1354    // "Primary HDD" or "Secondary HDD"

// Password page (template 135). 1314 is also the information page's hidden BIOS revision line:
// one number, two dialogs, two roles.
#define IDC_PASSWORD_PICTURE            1138
#define IDC_POWER_ON_PASSWORD_GROUP     1219
#define IDC_POWER_ON_PASSWORD_HINT      1314
#define IDC_CHANGE_POWER_ON_PASSWORD    1180
#define IDC_SETUP_PASSWORD_GROUP        1221
#define IDC_SETUP_PASSWORD_HINT         1315
#define IDC_CHANGE_SETUP_PASSWORD       1181

// Display device page (template 138).
#define IDC_DISPLAY_PICTURE             1144
#define IDC_BOOT_DISPLAY_GROUP          1229
#define IDC_BOOT_DISPLAY_AUTO           1155    // boot display code 3
#define IDC_BOOT_DISPLAY_BOTH           1157    // boot display code 2
#define IDC_DISPLAY_DEVICE_GROUP        1230
#define IDC_DISPLAY_LCD_ONLY            1033    // display device code 1
#define IDC_DISPLAY_EXTERNAL_ONLY       1034    // display device code 0
#define IDC_DISPLAY_BOTH                1035    // display device code 2
#define IDC_BRIGHTNESS_LABEL            1150
#define IDC_BRIGHTNESS_TRACKBAR         1124
#define IDC_CONTRAST_LABEL              1151
#define IDC_CONTRAST_TRACKBAR           1123

// Startup password prompt (template 220).
#define IDC_PROMPT_TEXT                 1227
#define IDC_PROMPT_PASSWORD_LABEL       1228
#define IDC_PROMPT_PASSWORD             1154    // a password edit collecting scan codes

// Restart prompt (template 293) and load confirmation (template 301).
#define IDC_RESTART_TEXT                1300
#define IDC_LOAD_SETTINGS_TEXT          1316

// Change password dialog (template 300).
#define IDC_ENABLE_PASSWORD             1267
#define IDC_NEW_PASSWORD                1304    // password edit
#define IDC_CONFIRM_PASSWORD            1301    // password edit
#define IDC_NEW_PASSWORD_LABEL          1302
#define IDC_CONFIRM_PASSWORD_LABEL      1303
#define IDC_PASSWORD_FRAME              1305
#define IDC_PASSWORD_EXPLANATION        1306
#define IDC_PASSWORD_ICON               1307

// About box (template 309).
#define IDC_ABOUT_NAME                  1318
#define IDC_ABOUT_VERSION               1319
#define IDC_ABOUT_NOTICE                1320

// Asset tag dialog (template 324).
#define IDC_NEW_ASSET_TAG               1348
#define IDC_CONFIRM_ASSET_TAG           1349
#define IDC_NEW_ASSET_TAG_LABEL         1350
#define IDC_CONFIRM_ASSET_TAG_LABEL     1351

// ---------------------------------------------------------------------------------------------
// Strings
// ---------------------------------------------------------------------------------------------

// Application shell: title, platform check, messages, common button texts.
#define IDS_APP_TITLE                   230
#define IDS_INCORRECT_BIOS_VERSION      244
#define IDS_FUNCTION_NOT_IMPLEMENTED    307     // Load Default refused by the BIOS
#define IDS_OK                          258
#define IDS_CANCEL                      259
#define IDS_YES                         328
#define IDS_NO                          329

// Page tab captions (also each page's title text).
#define IDS_PAGE_INFORMATION            213
#define IDS_PAGE_POST                   214
#define IDS_PAGE_BOOT_SEQUENCE          215
#define IDS_PAGE_PASSWORD               216
#define IDS_PAGE_DISPLAY                219

// Context menu texts and the load confirmation and restart dialogs.
#define IDS_LOAD_DEFAULT_SETTINGS       303     // menu text and confirmation caption, form 0
#define IDS_LOAD_PREVIOUS_SETTINGS      304     // menu text and confirmation caption, form 1
#define IDS_LOAD_DEFAULT_QUESTION       305
#define IDS_LOAD_PREVIOUS_QUESTION      306
#define IDS_RESTART_CAPTION             308
#define IDS_RESTART_QUESTION            248
#define IDS_ABOUT_MENU                  332

// About box.
#define IDS_ABOUT_CAPTION               333
#define IDS_VERSION                     334

// Startup password prompt.
#define IDS_PASSWORD_PROMPT             239
#define IDS_PASSWORD_LABEL              164
#define IDS_INVALID_PASSWORD            104
#define IDS_PASSWORD_TOO_MANY_FAILURES  318

// Information page: texts, list columns and the asset tag button.
#define IDS_INFO_WELCOME                153
#define IDS_INFO_INTRO                  154
#define IDS_COLUMN_DEVICE               319
#define IDS_COLUMN_CONFIGURATION        320
#define IDS_CHANGE_ASSET_TAG            401

// Information rows: labels.
#define IDS_CPU                         112
#define IDS_TOTAL_MEMORY                116
#define IDS_VIDEO_RAM                   118
#define IDS_HARD_DISK                   151
#define IDS_SERIAL_PORT_N               125     // "Serial Port %d", the BIOS's view
#define IDS_SERIAL_PORT                 407     // the device manager's view
#define IDS_PARALLEL_PORT               131
#define IDS_INTERNAL_CACHE              137
#define IDS_EXTERNAL_CACHE              138
#define IDS_POINTING_DEVICE             141
#define IDS_TOUCHPAD                    337

// Information rows: removable and optical drive kinds (labels beside "Detected").
#define IDS_DRIVE_CD_ROM                227
#define IDS_DRIVE_LS120                 389
#define IDS_DRIVE_MO                    390
#define IDS_DRIVE_ZIP                   391
#define IDS_DRIVE_DVD_ROM               392
#define IDS_DRIVE_HIFD                  410
#define IDS_DRIVE_CD_RW                 411
#define IDS_DRIVE_DVD_CD_RW             412     // ends with a blank

// Information rows: processor texts outside the tables.
#define IDS_UNKNOWN_BRAND               113
#define IDS_UNKNOWN_TYPE                114
#define IDS_UNKNOWN_SPEED               115

// Information rows: values, units and port modes.
#define IDS_UNKNOWN                     122
#define IDS_NONE                        119
#define IDS_ENABLED                     211
#define IDS_DISABLED                    126
#define IDS_DETECTED                    322
#define IDS_UNIT_KB                     266
#define IDS_UNIT_MB                     267
#define IDS_UNIT_GB                     321
#define IDS_IRQ                         323
#define IDS_OPERATION_MODE              324
#define IDS_MODE_STANDARD               127
#define IDS_MODE_IRDA                   128
#define IDS_MODE_ASK_IR                 129
#define IDS_MODE_UNDEFINED              130
#define IDS_MODE_BIDIRECTIONAL          132
#define IDS_MODE_EPP                    133
#define IDS_MODE_ECP_DMA                134     // "ECP (DMA %d )"
#define IDS_MODE_EXTERNAL_FDD_A         135
#define IDS_MODE_EXTERNAL_FDD_B         136
#define IDS_CACHE_ON                    139
#define IDS_CACHE_OFF                   140

// Information rows: DMI identity.
#define IDS_DMI_SERIAL_NUMBER           395
#define IDS_DMI_MANUFACTURER            396
#define IDS_DMI_PRODUCT_NAME            397
#define IDS_DMI_UUID                    398
#define IDS_DMI_ASSET_TAG               399
#define IDS_NOT_AVAILABLE               400

// Asset tag dialog.
#define IDS_NEW_ASSET_TAG               402
#define IDS_CONFIRM_ASSET_TAG           403
#define IDS_ASSET_TAG_MISMATCH          405

// POST page.
#define IDS_ENABLE_FAST_BOOT            406
#define IDS_ENABLE_QUIET_BOOT           353
#define IDS_FAN_ALWAYS_ON               409

// Boot sequence page: group boxes, hard disk choice and the boot device names by code.
#define IDS_BOOT_ORDER_GROUP            350
#define IDS_HDD_BOOT_GROUP              413
#define IDS_PRIMARY_HDD                 414     // hard disk boot byte 0
#define IDS_SECONDARY_HDD               415     // hard disk boot byte 2
#define IDS_BOOT_FLOPPY                 342     // device code 0
#define IDS_BOOT_HARD_DISK              343     // device code 1
#define IDS_BOOT_CD_DVD                 344     // device code 2
#define IDS_BOOT_SCSI                   345     // device code 3
#define IDS_BOOT_LS120                  346     // device code 5
#define IDS_BOOT_PCMCIA                 347     // device code 6
#define IDS_BOOT_NETWORK_AGENT          348     // device code 7
#define IDS_BOOT_ZIP                    349     // device code 8
#define IDS_BOOT_MOVE_UP                416     // the boot list's context menu
#define IDS_BOOT_MOVE_DOWN              417
#define IDS_BOOT_MOVE_TO_TOP            418
#define IDS_BOOT_MOVE_TO_BOTTOM         419

// Password page and change password dialog.
#define IDS_POWER_ON_PASSWORD_GROUP     160
#define IDS_SETUP_PASSWORD_GROUP        161
#define IDS_POWER_ON_PASSWORD_HINT      326
#define IDS_SETUP_PASSWORD_HINT         327
#define IDS_CHANGE_POWER_ON_PASSWORD    313     // button text and dialog caption, mode 1
#define IDS_CHANGE_SETUP_PASSWORD       314     // button text and dialog caption, mode 2
#define IDS_ENABLE_SETUP_PASSWORD       309
#define IDS_ENABLE_POWER_ON_PASSWORD    310
#define IDS_NEW_PASSWORD                311
#define IDS_CONFIRM_PASSWORD            312
#define IDS_POWER_ON_PASSWORD_INFO      315
#define IDS_SETUP_PASSWORD_INFO         316
#define IDS_PASSWORDS_DO_NOT_MATCH      108

// Display device page.
#define IDS_BOOT_DISPLAY_GROUP          194
#define IDS_SWITCH_DISPLAY_GROUP        195
#define IDS_DISPLAY_AUTO                260
#define IDS_DISPLAY_BOTH                235
#define IDS_LCD_PANEL_ONLY              196
#define IDS_EXTERNAL_MONITOR            197
#define IDS_BRIGHTNESS                  198
#define IDS_CONTRAST                    199
#define IDS_BRIGHTNESS_LEVEL            241     // "Brightness for LCD Panel (%d)"
#define IDS_CONTRAST_LEVEL              242     // "Contrast for LCD Panel (%d)"
#define IDS_NO_MONITOR                  254

// Help: the message shown when no help can be, and the popup texts of the controls that take
// input (the "?" button, Shift+F1), by dialog (win/help_map.cpp).
#define IDS_HELP_NOT_AVAILABLE          600
#define IDS_HELP_OK                     601
#define IDS_HELP_CANCEL                 602
#define IDS_HELP_INFO_LIST              603
#define IDS_HELP_CHANGE_ASSET_TAG       604
#define IDS_HELP_FAST_BOOT              605
#define IDS_HELP_QUIET_BOOT             606
#define IDS_HELP_FAN_ALWAYS_ON          607
#define IDS_HELP_BOOT_ORDER             608
#define IDS_HELP_HDD_BOOT               609
#define IDS_HELP_CHANGE_POWER_ON_PASSWORD 610
#define IDS_HELP_CHANGE_SETUP_PASSWORD  611
#define IDS_HELP_BOOT_DISPLAY_AUTO      612
#define IDS_HELP_BOOT_DISPLAY_BOTH      613
#define IDS_HELP_DISPLAY_LCD_ONLY       614
#define IDS_HELP_DISPLAY_EXTERNAL_ONLY  615
#define IDS_HELP_DISPLAY_BOTH           616
#define IDS_HELP_BRIGHTNESS             617
#define IDS_HELP_CONTRAST               618
#define IDS_HELP_PROMPT_PASSWORD        619
#define IDS_HELP_PROMPT_OK              620
#define IDS_HELP_PROMPT_CANCEL          621
#define IDS_HELP_RESTART_YES            622
#define IDS_HELP_RESTART_NO             623
#define IDS_HELP_ENABLE_PASSWORD        624
#define IDS_HELP_NEW_PASSWORD           625
#define IDS_HELP_CONFIRM_PASSWORD       626
#define IDS_HELP_LOAD_YES               627
#define IDS_HELP_LOAD_NO                628
#define IDS_HELP_NEW_ASSET_TAG          629
#define IDS_HELP_CONFIRM_ASSET_TAG      630
#define IDS_HELP_SHEET_OK               631
#define IDS_HELP_SHEET_CANCEL           632
#define IDS_HELP_SHEET_APPLY            633
#define IDS_HELP_SHEET_HELP             634
#define IDS_HELP_SHEET_TABS             635

#endif  // TLW_RES_RESOURCE_H
