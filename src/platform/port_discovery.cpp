#include "platform/port_discovery.h"

#include <QSerialPortInfo>

namespace px {

std::vector<PresentPort> DiscoverSerialPorts() {
  std::vector<PresentPort> ports;
  for (const auto& info : QSerialPortInfo::availablePorts())
    ports.push_back({info.systemLocation().toStdString(), info.description().toStdString()});
  return ports;
}

}  // namespace px
