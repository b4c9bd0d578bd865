#pragma once
// Dialog and control numbers of the NIC setting sheets, shared by the page
// code and sheet_dialogs.rc. Only #define lines: the resource compiler reads
// this file too. Controls are numbered 2000..2999, one block per dialog.

// The sheet's pages, in the order the sheet shows them.
#define IDD_LAN_BOARD 117
#define IDD_TCPIP 124
#define IDD_TCPIP_DETAIL 312
#define IDD_NETWARE 311
#define IDD_APPLETALK 308
#define IDD_SNMP 309
#define IDD_REMOTE_POWER 310
#define IDD_PRINT_LOG 314
#define IDD_LINK 315
#define IDD_MAIL_NOTICE 242
#define IDD_INFORMATION 116

// The NetWare page's panels, placed below its separator by the page.
#define IDD_NETWARE_GENERAL 119
#define IDD_NETWARE_SERVER 118
#define IDD_NETWARE_MODE 121

// Dialogs the flows and pages open.
#define IDD_WAIT 126
#define IDD_CONTEXT_BROWSER 129
#define IDD_PASSWORD 130

// "LANボード"
#define IDC_LAN_MAC_ADDRESS 2001      // MAC address, shown only
#define IDC_LAN_HARDWARE_TYPE 2002    // NIC description, shown only
#define IDC_LAN_FIRMWARE 2003         // firmware version, shown only
#define IDC_LAN_PRINTER_NAME 2004     // printer name, at most 47 characters
#define IDC_LAN_ACCESS_SLIDER 2005    // printer access period, 0..5 steps of 5 s
#define IDC_LAN_ACCESS_LABEL 2006     // the access period as "%d秒"

// "TCP/IP"
#define IDC_TCPIP_DHCP 2101           // radio: address from a DHCP server
#define IDC_TCPIP_ARP 2102            // radio: address set by ARP/PING
#define IDC_TCPIP_MANUAL 2103         // radio: address set by hand
#define IDC_TCPIP_ADDRESS_LABEL 2104  // label of the address, disabled with it
#define IDC_TCPIP_ADDRESS 2105        // IP address ("IPAddress")
#define IDC_TCPIP_MASK_LABEL 2106     // label of the subnet mask, disabled with it
#define IDC_TCPIP_MASK 2107           // subnet mask ("IPAddress")

// "TCP/IP詳細"
#define IDC_DETAIL_GATEWAY 2151        // default gateway ("IPAddress")
#define IDC_DETAIL_SESSIONS 2152       // maximum sessions, 1..64
#define IDC_DETAIL_SESSIONS_SPIN 2153  // up-down of the maximum sessions
#define IDC_DETAIL_TIMEOUT 2154        // time-out in seconds, 30..7200
#define IDC_DETAIL_TIMEOUT_SPIN 2155   // up-down of the time-out
#define IDC_DETAIL_KEEPALIVE 2156      // check box: send keep-alive packets
#define IDC_DETAIL_FTP_TIMEOUT 2157    // FTP time-out in minutes, 5..60
#define IDC_DETAIL_FTP_TIMEOUT_SPIN 2158  // up-down of the FTP time-out

// "NetWare"
#define IDC_NETWARE_CATEGORY 2201      // combo box choosing the panel
#define IDC_NETWARE_SEPARATOR 2202     // etched line; the panels lie below it

// "一般設定" panel
#define IDC_NWGEN_NETWORK 2221         // network number, shown only
#define IDC_NWGEN_MAC_ADDRESS 2222     // MAC address, shown only
#define IDC_NWGEN_SERVER_NAME 2223     // print server name, at most 47 characters

// "ファイルサーバ設定" panel
#define IDC_NWSRV_UNUSED 2241          // radio: not used with NetWare
#define IDC_NWSRV_NDS 2242             // radio: directory services mode
#define IDC_NWSRV_BINDERY 2243         // radio: bindery mode
#define IDC_NWSRV_FILE_SERVER_LABEL 2244  // label of the file server name
#define IDC_NWSRV_FILE_SERVER 2245     // file server name, at most 47 characters
#define IDC_NWSRV_CONTEXT_LABEL 2246   // label of the directory context
#define IDC_NWSRV_CONTEXT 2247         // directory context, at most 254 characters
#define IDC_NWSRV_BROWSE 2248          // button opening the context browser
#define IDC_NWSRV_LOGIN_LABEL 2249     // label of the login period
#define IDC_NWSRV_LOGIN 2250           // login period in minutes, 0..255
#define IDC_NWSRV_LOGIN_SPIN 2251      // up-down of the login period
#define IDC_NWSRV_LOGIN_UNIT 2252      // "分" after the login period

// "動作モード設定" panel
#define IDC_NWMODE_PRINT_SERVER 2261   // radio: print server mode
#define IDC_NWMODE_QUEUE_LABEL 2262    // label of the queue check period
#define IDC_NWMODE_QUEUE 2263          // queue check period in seconds, 1..255
#define IDC_NWMODE_QUEUE_SPIN 2264     // up-down of the queue check period
#define IDC_NWMODE_QUEUE_UNIT 2265     // "秒" after the queue check period
#define IDC_NWMODE_PASSWORD 2266       // button opening the password dialog
#define IDC_NWMODE_REMOTE_PRINTER 2267 // radio: remote printer mode
#define IDC_NWMODE_NUMBER_LABEL 2268   // label of the printer number
#define IDC_NWMODE_NUMBER 2269         // printer number, 0..255
#define IDC_NWMODE_NUMBER_SPIN 2270    // up-down of the printer number

// "パスワードの変更"
#define IDC_PASSWORD_OLD 2281          // old password, at most 32 characters
#define IDC_PASSWORD_NEW 2282          // new password, at most 32 characters
#define IDC_PASSWORD_CONFIRM 2283      // the new password again

// "NDSコンテキストの変更"
#define IDC_CONTEXT_TEXT 2301          // the chosen context, editable
#define IDC_CONTEXT_TREE 2302          // the directory tree

// "AppleTalk"
#define IDC_ATALK_NETWORK 2401         // network number (decimal), shown only
#define IDC_ATALK_NODE 2402            // node number (decimal), shown only
#define IDC_ATALK_PRINTER_NAME 2403    // printer name, at most 29 characters
#define IDC_ATALK_ZONE 2404            // EtherTalk zone, at most 31 characters
#define IDC_ATALK_ENTITY1 2405         // first entity field, at most 31 characters
#define IDC_ATALK_ENTITY2 2406         // second entity field
#define IDC_ATALK_ENTITY3 2407         // third entity field
#define IDC_ATALK_ENTITY4 2408         // fourth entity field

// "SNMP"
#define IDC_SNMP_COMMUNITY1 2451       // first community authenticated, at most 32 characters
#define IDC_SNMP_COMMUNITY2 2452       // second community authenticated
#define IDC_SNMP_COMMUNITY3 2453       // third community authenticated
#define IDC_SNMP_COMMUNITY4 2454       // fourth community authenticated
#define IDC_SNMP_TRAP1 2461            // check box: trap destination 1 in use
#define IDC_SNMP_TRAP1_ADDRESS 2462    // trap destination 1 address ("IPAddress")
#define IDC_SNMP_TRAP1_COMMUNITY 2463  // trap destination 1 community, at most 32 characters
#define IDC_SNMP_TRAP2 2464            // check box: trap destination 2 in use
#define IDC_SNMP_TRAP2_ADDRESS 2465    // trap destination 2 address
#define IDC_SNMP_TRAP2_COMMUNITY 2466  // trap destination 2 community
#define IDC_SNMP_TRAP3 2467            // check box: trap destination 3 in use
#define IDC_SNMP_TRAP3_ADDRESS 2468    // trap destination 3 address
#define IDC_SNMP_TRAP3_COMMUNITY 2469  // trap destination 3 community
#define IDC_SNMP_TRAP4 2470            // check box: trap destination 4 in use
#define IDC_SNMP_TRAP4_ADDRESS 2471    // trap destination 4 address
#define IDC_SNMP_TRAP4_COMMUNITY 2472  // trap destination 4 community

// "リモート電源制御"
#define IDC_POWER_OFF_ENABLE 2501      // check box: accept remote power-off requests
#define IDC_POWER_OFF_DELAY_LABEL 2502 // label of the power-off delay
#define IDC_POWER_OFF_DELAY 2503       // power-off delay slider, 0..600 s
#define IDC_POWER_OFF_DELAY_TEXT 2504  // the power-off delay as "%d秒"
#define IDC_POWER_OFF_NOT_ON_ERROR 2505  // check box: no power-off while in error
#define IDC_POWER_AUTO_OFF 2506        // check box: power off by itself after an on request
#define IDC_POWER_AUTO_DELAY_LABEL 2507  // label of the automatic power-off delay
#define IDC_POWER_AUTO_DELAY 2508      // automatic power-off slider, 1..12 steps of 5 min
#define IDC_POWER_AUTO_DELAY_TEXT 2509 // the automatic delay as "%d分"

// "印刷履歴"
#define IDC_LOG_CREATE 2551            // check box: keep a print history
#define IDC_LOG_PRINT 2552             // check box: also print it on the printer

// "通信設定"
#define IDC_LINK_AUTO 2601             // radio: speed and duplex negotiated
#define IDC_LINK_MANUAL 2602           // radio: speed and duplex set by hand
#define IDC_LINK_SPEED_GROUP 2603      // group box of the speed
#define IDC_LINK_100 2604              // radio: 100Base-TX
#define IDC_LINK_10 2605               // radio: 10Base-T
#define IDC_LINK_DUPLEX_GROUP 2606     // group box of the duplex mode
#define IDC_LINK_FULL 2607             // radio: full duplex
#define IDC_LINK_HALF 2608             // radio: half duplex

// "メール通知"
#define IDC_MAIL_ENABLE 2651           // check box: mail when toner runs low
#define IDC_MAIL_SERVER_LABEL 2652     // label of the mail server address
#define IDC_MAIL_SERVER 2653           // mail server address ("IPAddress")
#define IDC_MAIL_TO_LABEL 2654         // label of To
#define IDC_MAIL_TO 2655               // To address, at most 64 characters
#define IDC_MAIL_CC_LABEL 2656         // label of Cc
#define IDC_MAIL_CC 2657               // Cc address, at most 64 characters
#define IDC_MAIL_FROM_LABEL 2658       // label of From
#define IDC_MAIL_FROM 2659             // From address, at most 64 characters
#define IDC_MAIL_BODY_LABEL 2660       // label of the body
#define IDC_MAIL_BODY 2661             // body, at most 3 lines of 80 characters

// "情報"
#define IDC_INFO_MODEL 2701            // model name, shown only
#define IDC_INFO_PICTURE 2702          // the printer's picture (bitmap static)
#define IDC_INFO_OPTIONS 2703          // list view of the installed options
#define IDC_INFO_LANGUAGES 2704        // list of the printer languages

// Wait dialog
#define IDC_WAIT_TEXT 2751             // the text asking to wait
