#pragma once
// Where the alarm-mail deliverables meet: registry keys and values below
// HKEY_LOCAL_MACHINE, all strings ANSI (Shift_JIS).

namespace dav {

// Mail settings of the workstation.
inline constexpr char kMailKey[] = "SOFTWARE\\NRV\\Prindora\\DAV";
inline constexpr char kName[] = "DAV_NAME";
inline constexpr char kMail[] = "DAV_MAIL";
inline constexpr char kServer[] = "DAV_MSERVER";
inline constexpr char kSubject[] = "DAV_SUBJECT";
inline constexpr char kDefaultTo[] = "DAV_DEFTO";
inline constexpr char kDefaultCc[] = "DAV_DEFCC";
inline constexpr char kCompany[] = "DAV_COMPANY";
inline constexpr char kDepartment[] = "DAV_DEPARTMENT";
inline constexpr char kAddress[] = "DAV_ADDRESS";
inline constexpr char kTelephone[] = "DAV_TEL";
inline constexpr char kServiceInterval[] = "RMMTIME";   // maintsvc, milliseconds
inline constexpr char kAgentInterval[] = "DAVTime";     // maintagent, milliseconds
inline constexpr char kSettingsHelp[] = "RMMCOMHLP";

// One key per printer model: "SOFTWARE\NRV\Prindora\Printers\<model>".
inline constexpr char kModelsKey[] = "SOFTWARE\\NRV\\Prindora\\Printers";
inline constexpr char kSupport[] = "RMMSUPPORT";
inline constexpr char kPluginPath[] = "RMMDLL";
inline constexpr char kPagesPath[] = "RMMUIDLL";
inline constexpr char kPagesHelp[] = "RMMHLP";

// Per printer: "SYSTEM\CurrentControlSet\Control\Print\Printers\<printer>".
inline constexpr char kPrintersKey[] = "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers";
inline constexpr char kPrinterDriver[] = "Printer Driver";
inline constexpr char kDriverData[] = "PrinterDriverData";
inline constexpr char kPrinterEligible[] = "DAV_PRNSTATUS";
inline constexpr char kCheckMail[] = "DAV_CHECKMAIL";
inline constexpr char kMailsSent[] = "DAV_ENABLEMAIL";
inline constexpr char kNextTonerMail[] = "DAV_SENDMAILTIME";
inline constexpr char kTonerTo[] = "DAV_TONERTO";
inline constexpr char kTonerCc[] = "DAV_TONERCC";
inline constexpr char kTonerComment[] = "DAV_TONERCOMMENT";
inline constexpr char kMaintenanceTo[] = "DAV_REGMAINTETO";
inline constexpr char kMaintenanceCc[] = "DAV_REGMAINTECC";
inline constexpr char kMaintenanceComment[] = "DAV_REGMAINTECOMMENT";

// DAV_CHECKMAIL and DAV_ENABLEMAIL bits.
inline constexpr unsigned long kTonerOutMail = 0x01;
inline constexpr unsigned long kMaintenanceMail = 0x10;

// The model name is the driver name after this.
inline constexpr char kDriverPrefix[] = "NRV ";

// maintagent's start-up tuning, below "SOFTWARE\NRV\Prindora".
inline constexpr char kProductKey[] = "SOFTWARE\\NRV\\Prindora";

// The install directory holds the mail log "log\PDMail.log".
inline constexpr char kUninstallKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Prindora 1.2";
inline constexpr char kUninstallString[] = "UninstallString";
inline constexpr char kMailLogFolder[] = "log";
inline constexpr char kMailLogFile[] = "PDMail.log";

}  // namespace dav
