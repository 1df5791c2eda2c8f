#include "sim/sim_options.h"

#include <cstdlib>
#include <stdexcept>

namespace px::sim {

const char* const kSimUsage =
    "Usage: px4800-sim [options]\n"
    "       px4800-sim --help | --version\n"
    "A virtual radio on a pseudo-terminal. The first line of output is the device path.\n"
    "  --image FILE.img      memory to answer from (16384 bytes; default a blank radio)\n"
    "  --save FILE.img       memory as it stands, written after END and on SIGTERM\n"
    "  --model TEXT          identification model (default PX-4800)\n"
    "  --radio-version TEXT  identification version (default V100; was --version TEXT,\n"
    "                        which now prints the program's own version)\n"
    "  --band-code C         band code: a character such as 7, or a number such as 0x37\n"
    "  --killed, --stunned   the radio reports itself killed or stunned\n"
    "  --option-flag         bit 4 of the identification flags\n"
    "  --password PW         programming password (up to 4 characters) put into memory\n"
    "  --baud N              each byte takes its time on the line (e.g. 9600)\n"
    "  --turnaround-us N     delay before each reply with --baud (default 2000)\n"
    "  --seed N              seed of the fault injection (default 1)\n"
    "  --drop P              probability that a reply is lost\n"
    "  --corrupt P           probability that one byte of a checked reply is damaged\n"
    "  --nak P               probability that a write block is answered with a resend\n"
    "  --store-faults P      probability that a write block is acknowledged but stored\n"
    "                        with one byte damaged (what only a read-back finds)\n"
    "  --silent-after N      answer N packets, then stop answering (the echo goes on)\n"
    "  --silent-for K        with --silent-after: answer again after K unanswered packets\n"
    "  --no-cts              a cable that does not wire CTS: while the program uses RTS/CTS\n"
    "                        handshaking nothing it writes leaves its port\n";

namespace {

double ProbabilityOf(const std::string& rName, const std::string& rText) {
  char* end = nullptr;
  const double p = std::strtod(rText.c_str(), &end);
  if (rText.empty() || *end != '\0' || !(p >= 0 && p <= 1))
    throw std::invalid_argument(rName + " needs a probability between 0 and 1");
  return p;
}

long NumberOf(const std::string& rName, const std::string& rText, long rMin, long rMax) {
  char* end = nullptr;
  const long n = std::strtol(rText.c_str(), &end, 0);
  if (rText.empty() || *end != '\0' || n < rMin || n > rMax)
    throw std::invalid_argument(rName + " needs a number from " + std::to_string(rMin) +
                                " to " + std::to_string(rMax));
  return n;
}

}  // namespace

SimOptions ParseSimOptions(const std::vector<std::string>& rArgs) {
  SimOptions o;
  for (std::size_t i = 0; i < rArgs.size(); ++i) {
    const std::string& a = rArgs[i];
    const auto value = [&]() -> std::string {
      if (i + 1 >= rArgs.size()) throw std::invalid_argument(a + " needs a value");
      return rArgs[++i];
    };
    if (a == "--help" || a == "-h") {
      o.Help = true;
    } else if (a == "--version") {
      o.Version = true;
    } else if (a == "--image") {
      o.ImagePath = value();
    } else if (a == "--save") {
      o.SavePath = value();
    } else if (a == "--model") {
      o.Profile.Model = value();
      if (o.Profile.Model.size() > 7) throw std::invalid_argument("--model holds 7 characters");
    } else if (a == "--radio-version") {
      o.Profile.Version = value();
      if (o.Profile.Version.size() > 4) throw std::invalid_argument("--radio-version holds 4 characters");
    } else if (a == "--band-code") {
      const auto v = value();
      o.Profile.BandCode = static_cast<std::uint8_t>(
          v.size() == 1 ? static_cast<unsigned char>(v[0]) : NumberOf(a, v, 0, 255));
    } else if (a == "--killed") {
      o.Profile.Killed = true;
    } else if (a == "--stunned") {
      o.Profile.Stunned = true;
    } else if (a == "--option-flag") {
      o.Profile.OptionFlag = true;
    } else if (a == "--password") {
      o.Password = value();
      if (o.Password->size() > 4) throw std::invalid_argument("--password holds 4 characters");
    } else if (a == "--baud") {
      o.Baud = static_cast<int>(NumberOf(a, value(), 0, 4000000));
    } else if (a == "--turnaround-us") {
      o.TurnaroundMicros = static_cast<int>(NumberOf(a, value(), 0, 10000000));
    } else if (a == "--seed") {
      o.Seed = static_cast<std::uint32_t>(NumberOf(a, value(), 0, 4294967295L));
    } else if (a == "--drop") {
      o.Drop = ProbabilityOf(a, value());
    } else if (a == "--corrupt") {
      o.Corrupt = ProbabilityOf(a, value());
    } else if (a == "--nak") {
      o.Nak = ProbabilityOf(a, value());
    } else if (a == "--store-faults") {
      o.StoreFaults = ProbabilityOf(a, value());
    } else if (a == "--silent-after") {
      o.SilentAfter = NumberOf(a, value(), 0, 1L << 30);
    } else if (a == "--no-cts") {
      o.NoCts = true;
    } else if (a == "--silent-for") {
      o.SilentFor = NumberOf(a, value(), 0, 1L << 30);
    } else {
      throw std::invalid_argument("unknown option " + a);
    }
  }
  return o;
}

}  // namespace px::sim
