#include "edit/delivery_log.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "codeplug/csv_text.h"

namespace px {

std::string DeliveryLogHeader() {
  return CsvLine({"date_time", "port", "model", "version", "serial", "dtmf_id", "five_tone_id", "result", "backup"});
}

std::string DeliveryLogLine(const DeliveryRecord& r) {
  return CsvLine({r.When, r.Port, r.Model, r.Version, r.Serial, r.DtmfId, r.FiveToneId, r.Result, r.Backup});
}

bool AppendDeliveryLog(const std::string& rPath, const std::vector<DeliveryRecord>& rRecords, std::string& rError) {
  std::error_code ec;
  const bool fresh = !std::filesystem::exists(rPath, ec) || std::filesystem::file_size(rPath, ec) == 0;
  if (std::filesystem::exists(rPath, ec) && !std::filesystem::is_regular_file(rPath, ec)) {
    rError = rPath + " is not a regular file";
    return false;
  }
  std::ofstream out(rPath, std::ios::binary | std::ios::app);
  if (!out) {
    rError = "cannot write " + rPath + ": " + std::strerror(errno);
    return false;
  }
  if (fresh) out << DeliveryLogHeader();
  for (const DeliveryRecord& record : rRecords) out << DeliveryLogLine(record);
  out.flush();
  if (!out) {
    rError = "cannot write " + rPath + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

std::string DeliveryTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

}  // namespace px
