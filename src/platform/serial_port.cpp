#include "platform/serial_port.h"

#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <vector>

namespace px {

SerialLinkPort::SerialLinkPort(std::string rDevice, LinkTrace* rTrace, QObject* rParent)
    : QObject(rParent), mDevice(std::move(rDevice)), mTrace(rTrace) {
  mTimer.setSingleShot(true);
  mTimer.setTimerType(Qt::PreciseTimer);
  connect(&mTimer, &QTimer::timeout, this, [this] {
    if (mTrace) mTrace->Note("reply timer expired");
    if (TimerExpired) TimerExpired();
  });
  connect(&mPort, &QSerialPort::readyRead, this, &SerialLinkPort::OnReadyRead);
}

std::string OpenFailureReason(const std::string& rDevice, QSerialPort::SerialPortError rError,
                              const std::string& rSystemText) {
  switch (rError) {
    case QSerialPort::DeviceNotFoundError:
      return rDevice + ": no such device. Is the cable plugged in?";
    case QSerialPort::PermissionError: {
      struct stat info {};
      std::string owner;
      if (::stat(rDevice.c_str(), &info) == 0) {
        if (const ::group* g = ::getgrgid(info.st_gid)) owner = g->gr_name;
      }
      if (owner.empty() || owner == "root")
        return rDevice + ": permission denied (or the port is in use by another program).";
      return rDevice + ": permission denied. Join the group \"" + owner +
             "\" that owns the device (sudo usermod -aG " + owner +
             " $USER), then log in again.";
    }
    default:
      return rDevice + ": " + rSystemText;
  }
}

bool SerialLinkPort::Open(std::string& rReason) {
  if (mDevice.empty()) {
    rReason = "No serial port is chosen.";
    return false;
  }
  if (mPort.isOpen()) mPort.close();
  mPort.setPortName(QString::fromStdString(mDevice));
  const bool opened = mPort.open(QIODevice::ReadWrite) &&
                      mPort.setBaudRate(QSerialPort::Baud9600) &&
                      mPort.setDataBits(QSerialPort::Data8) &&
                      mPort.setParity(QSerialPort::NoParity) &&
                      mPort.setStopBits(QSerialPort::OneStop) &&
                      mPort.setFlowControl(mFlow == FlowControl::None ? QSerialPort::NoFlowControl
                                                                      : QSerialPort::HardwareControl);
  if (!opened) {
    rReason = OpenFailureReason(mDevice, mPort.error(), mPort.errorString().toStdString());
    if (mPort.isOpen()) mPort.close();
    if (mTrace) mTrace->Note("cannot open " + mDevice + ": " + rReason);
    return false;
  }
  if (mTrace) mTrace->Note("opened " + mDevice + (mFlow == FlowControl::None ? " 9600 8N1 no flow control" : " 9600 8N1 RTS/CTS"));
  return true;
}

void SerialLinkPort::Close() {
  mTimer.stop();
  if (mPort.isOpen()) {
    mPort.close();
    if (mTrace) mTrace->Note("closed " + mDevice);
  }
}

bool SerialLinkPort::IsOpen() const { return mPort.isOpen(); }

void SerialLinkPort::Flush() {
  if (mPort.isOpen()) mPort.clear(QSerialPort::AllDirections);
}

void SerialLinkPort::SetReceiveThreshold(std::size_t rBytes) { mThreshold = rBytes > 0 ? rBytes : 1; }

void SerialLinkPort::Send(std::span<const std::uint8_t> rBytes) {
  if (!mPort.isOpen()) return;
  if (mTrace) mTrace->Sent(rBytes);
  mPort.write(reinterpret_cast<const char*>(rBytes.data()), static_cast<qint64>(rBytes.size()));
  // Handed to the device now rather than at the next turn of the event loop: every
  // packet waits for the answer to the one before, so each turn saved is line time.
  mPort.flush();
}

void SerialLinkPort::StartTimer(int rMilliseconds) { mTimer.start(rMilliseconds); }

void SerialLinkPort::StopTimer() { mTimer.stop(); }

bool SerialLinkPort::SendStalled() const {
  if (!mPort.isOpen()) return false;
  // Held in Qt's buffer when the device takes nothing, or in the driver's when the
  // UART waits for clear-to-send.
  if (mPort.bytesToWrite() > 0) return true;
  int queued = 0;
  return ::ioctl(static_cast<int>(mPort.handle()), TIOCOUTQ, &queued) == 0 && queued > 0;
}

void SerialLinkPort::OnReadyRead() {
  if (static_cast<std::size_t>(mPort.bytesAvailable()) < mThreshold) return;
  const QByteArray data = mPort.readAll();
  const std::vector<std::uint8_t> bytes(data.begin(), data.end());
  if (mTrace) mTrace->Received(bytes);
  if (BytesArrived) BytesArrived(bytes);
}

}  // namespace px
