#pragma once
// The registration wizard's page dialogs and their controls. Several pages
// share a dialog; the page fills in its own texts when shown.

#define IDD_WIZARD_TEXT 304      // start and end pages
#define IDD_WIZARD_QUESTION 120  // a question with two answers
#define IDD_WIZARD_TALKING 115   // a search or check under way
#define IDD_WIZARD_RESULTS 301   // the printers found
#define IDD_WIZARD_METHOD 302    // search a network, or type in a printer
#define IDD_WIZARD_NETWORK 303   // the NetWare network to search
#define IDD_WIZARD_NETWARE_PRINTER 113  // a NetWare printer typed in
#define IDD_WIZARD_TCPIP_SEARCH 104     // a broadcast address or a range
#define IDD_WIZARD_TCPIP_PRINTER 122    // a TCP/IP printer typed in

#define IDC_WIZARD_TEXT 3001
#define IDC_WIZARD_FIRST 3002   // the first of two answers or methods
#define IDC_WIZARD_SECOND 3003
#define IDC_WIZARD_FIRST_NOTE 3004
#define IDC_WIZARD_SECOND_NOTE 3005
#define IDC_WIZARD_PROGRESS 3006
#define IDC_WIZARD_RESULTS 3007
#define IDC_WIZARD_NETWORK 3008
#define IDC_WIZARD_MAC 3009
#define IDC_WIZARD_ADDRESS 3010
#define IDC_WIZARD_BROADCAST 3011
#define IDC_WIZARD_RANGE_FIRST 3012
#define IDC_WIZARD_RANGE_LAST 3013
#define IDC_WIZARD_NETWORK_LABEL 3014
#define IDC_WIZARD_MAC_LABEL 3015
