#pragma once
// The delivery record of a fleet: one CSV row per radio, appended to a file a
// spreadsheet opens, so that a dealer can tell later which radio got which identity.

#include <string>
#include <vector>

namespace px {

struct DeliveryRecord {
  std::string When;  // local date and time, "2026-12-09 14:03:22"
  std::string Port;
  std::string Model;
  std::string Version;
  std::string Serial;
  std::string DtmfId;
  std::string FiveToneId;
  std::string Result;  // "written", "verified", or "failed: why"
  std::string Backup;  // the image sent, as kept in the backups folder
};

// The header line, ended by CR LF.
std::string DeliveryLogHeader();
std::string DeliveryLogLine(const DeliveryRecord& rRecord);

// The records appended to rPath; the header first when the file is new or empty. False
// and rError when the file cannot be written.
bool AppendDeliveryLog(const std::string& rPath, const std::vector<DeliveryRecord>& rRecords, std::string& rError);

// The local time now in the form of DeliveryRecord::When.
std::string DeliveryTimeNow();

}  // namespace px
