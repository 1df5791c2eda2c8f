#pragma once
// Many radios at once, each on its own port, all on the one event loop: the fleet write
// (each radio with its own identity when asked, verify after write) and the fleet read.
// The command line and the desktop window both run on it; they only show what it does.
// A radio that fails never stops the others. Nothing is asked per radio: questions get
// the unattended answers (Retry three times, then Cancel), the password is given up front.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "edit/fleet_identity.h"
#include "edit/radio_register.h"

namespace px {

enum class FleetStep { Waiting, Identifying, Writing, Verifying, Reading, Done };

// One radio as the program shows it.
struct FleetRadio {
  std::string Device;  // as given
  FleetStep Step = FleetStep::Waiting;
  int Percent = 0;
  bool Succeeded = false;
  std::string Serial;
  std::string Model;
  std::string Version;
  RadioIds Ids;
  std::string Detail;  // what became of it, for the table
  std::string Result;  // for the delivery log: "written", "verified", "read", "failed: ..."
  std::string Backup;  // the image sent or read, as kept in the backups folder
  std::string Output;  // a read's codeplug file
};

enum class FleetIdentities { Kept, Numbered, Register };

struct FleetPlan {
  bool Write = true;
  AppState Base;         // the codeplug to write (a read: the program's defaults)
  std::string Source;    // the file the codeplug came from
  bool Verify = false;
  std::string Password;  // "" when none was given
  FleetIdentities Identities = FleetIdentities::Kept;
  RadioIds NumberFrom;   // with Numbered: the first port's IDs
  RadioRegister Register;
  bool ReadSerial = false;  // a write reads the serial number first even without a register
  std::string Output;       // a read: OUT.dat, one file per port beside it
  std::string LogPath;      // "" for no delivery log
};

// The device a port path names, with "." and symbolic links resolved, so that two
// spellings of one port are seen as one.
std::string ResolvedDevice(const std::string& rPath);
// A part of a file name that differs for every resolved device: "/dev/pts/3" -> "pts-3",
// "/dev/ttyUSB0" -> "ttyUSB0"; "-" and "_" and other marks are spelled out ("_2D").
std::string PortFileTag(const std::string& rResolvedDevice);
// "OUT.dat" with the tag before the extension: "OUT-ttyUSB0.dat".
std::string PathForPort(const std::string& rOut, const std::string& rTag);

class FleetObserver {
 public:
  virtual ~FleetObserver() = default;
  virtual void RadioChanged(std::size_t rIndex) = 0;
  virtual void FleetFinished() = 0;
};

class FleetEngine {
 public:
  FleetEngine(FleetPlan rPlan, const std::vector<std::string>& rDevices, FleetObserver& rObserver);
  ~FleetEngine();

  // Before any port is touched: the same port given twice, two reads into one file, a
  // numbered identity that does not fit, a codeplug that cannot be derived or encoded.
  // False and rError; nothing was sent.
  bool Prepare(std::string& rError);
  // Starts every radio; the observer hears of each change, then of the end.
  void Start();
  // Every radio still running stops at its next reply or time-out.
  void CancelAll();

  std::size_t Count() const;
  const FleetRadio& Radio(std::size_t rIndex) const;
  bool Finished() const;
  bool AllSucceeded() const;
  // Where a read's codeplug goes: OUT.dat for one radio, OUT-<port>.dat for several.
  std::string OutputPathOf(std::size_t rIndex) const;
  // The delivery log's complaint when it could not be written, else "".
  const std::string& LogError() const { return mLogError; }

  struct Job;

 private:
  friend class FleetJobUser;
  void Begin(Job& rJob);
  void Ended(Job& rJob, bool rSucceeded);
  void StartWrite(Job& rJob);
  void Finish(Job& rJob, bool rSucceeded, const std::string& rDetail);
  void Changed(const Job& rJob);
  std::string PartialWriteAdvice(const Job& rJob) const;
  void WriteLog();

  FleetPlan mPlan;
  FleetObserver& mObserver;
  std::vector<std::unique_ptr<Job>> mJobs;
  std::string mLogError;
  bool mLogged = false;
};

}  // namespace px
