#pragma once
// The mail settings of the workstation as the mail sender reads them.

#include <string>

namespace alertmail {

struct MailSettings {
  // The administrator's name, address and the server are read first, in this
  // order; `complete` says all three could be read. Without them the header
  // block stays empty and the signature is left out.
  bool complete = false;
  std::string name;
  std::string mail;
  std::string server;
  std::string subject;
  std::string company;
  std::string department;
  std::string address;
  std::string telephone;
};

}  // namespace alertmail
