#pragma once
// The link's port on a real serial device: QSerialPort at 9600 8N1 with RTS/CTS (or no
// flow control, when chosen) and raw bytes, and a one-shot QTimer as the reply timer. The engine is handed the received
// bytes only once at least the expected number is waiting, and then all of them.

#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include <functional>
#include <string>

#include "app/app_state.h"
#include "link/link_interfaces.h"
#include "platform/trace.h"

namespace px {

class SerialLinkPort : public QObject, public LinkPort {
  Q_OBJECT

 public:
  // rDevice is a path such as "/dev/ttyUSB0"; rTrace may be null.
  SerialLinkPort(std::string rDevice, LinkTrace* rTrace, QObject* rParent = nullptr);

  // Takes effect at the next Open.
  void SetFlowControl(FlowControl rFlow) { mFlow = rFlow; }

  // Where the engine's inputs go.
  std::function<void(std::span<const std::uint8_t>)> BytesArrived;
  std::function<void()> TimerExpired;

  bool Open(std::string& rReason) override;
  void Close() override;
  bool IsOpen() const override;
  void Flush() override;
  void SetReceiveThreshold(std::size_t rBytes) override;
  void Send(std::span<const std::uint8_t> rBytes) override;
  void StartTimer(int rMilliseconds) override;
  void StopTimer() override;
  bool SendStalled() const override;

 private:
  void OnReadyRead();

  std::string mDevice;
  LinkTrace* mTrace;
  QSerialPort mPort;
  QTimer mTimer;
  std::size_t mThreshold = 1;
  FlowControl mFlow = FlowControl::RtsCts;
};

// The reason a device cannot be opened, in plain words; for a permission failure it
// names the group that owns the device.
std::string OpenFailureReason(const std::string& rDevice, QSerialPort::SerialPortError rError,
                              const std::string& rSystemText);

}  // namespace px
