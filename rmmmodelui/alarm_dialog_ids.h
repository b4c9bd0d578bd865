#pragma once
// The alarm settings' dialogs and controls. Both pages use one dialog; the
// page's own title and check box topic come from its design.

#define IDD_ALARM_PAGE 100
#define IDD_PREVIEW 101

#define IDC_ALARM_NOTIFY 1001
#define IDC_ALARM_GROUP 1002
#define IDC_ALARM_TO_LABEL 1003
#define IDC_ALARM_TO 1004
#define IDC_ALARM_CC_LABEL 1005
#define IDC_ALARM_CC 1006
#define IDC_ALARM_DEFAULT 1007
#define IDC_ALARM_COMMENT_LABEL 1008
#define IDC_ALARM_COMMENT 1009
#define IDC_ALARM_PREVIEW 1010

#define IDC_PREVIEW_TEXT 1101
