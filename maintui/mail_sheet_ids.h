#pragma once
// The mail settings sheet's pages. A field's control id is its help topic,
// its label's id the topic plus 1000; a group box's id is its topic.

#define IDD_MAIL_SENDER 100
#define IDD_MAIL_USER 101

#define IDC_SENDER_GROUP 50100
#define IDC_MAIL_NAME 50101
#define IDC_MAIL_ADDRESS 50102
#define IDC_MAIL_SERVER 50103
#define IDC_RECIPIENT_GROUP 50104
#define IDC_MAIL_SUBJECT 50105
#define IDC_MAIL_DEFAULT_TO 50106
#define IDC_MAIL_DEFAULT_CC 50107

#define IDC_USER_GROUP 50201
#define IDC_USER_COMPANY 50202
#define IDC_USER_DEPARTMENT 50203
#define IDC_USER_ADDRESS 50204
#define IDC_USER_TELEPHONE 50205

#define LABEL_OF(field) ((field) + 1000)
