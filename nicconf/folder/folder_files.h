#pragma once
// The two files beside the module: the printer list ("nic") and the view
// settings ("ini", a private-profile file).

#include <span>
#include <string>
#include <vector>

#include "nicproto/printer_record.h"

// All or nothing; false for a missing, unreadable or empty list.
bool LoadListFile(const std::string& path, std::vector<nic::PrinterRecord>& records);
// Writes the whole list to a file beside the list and moves it over the list
// only once it is complete, so a failed write leaves the list as it was.
bool SaveListFile(const std::string& path, std::span<const nic::PrinterRecord> records);

// The folder's list file, loaded into the module's list.
bool ReloadFolderList();

// The module's view settings from and to its settings file.
void LoadFolderSettings();
void SaveFolderSettings();
