#pragma once

#include "device/LinkActivity.h"
#include "device/RegisterImage.h"
#include "link/AsyncLink.h"
#include "link/EventPump.h"
#include "link/LinkError.h"
#include "link/RtuFrame.h"
#include "link/RtuReceiver.h"
#include "link/SerialPort.h"
#include "link/UdpLink.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The one object through which the tool talks to a device: the link (serial port,
// UDP socket or asynchronous TCP socket), the Modbus master and the register image.
// Every operation returns a boolean and shows nothing; callers show the messages.
class DeviceLink {
public:
    explicit DeviceLink(EventPump& pump);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // --- set by the screens before connecting
    int deviceType() const { return image_.deviceType(); }
    void setDeviceType(int type) { image_.setDeviceType(type); }
    int slaveAddress() const { return slaveAddress_; }
    void setSlaveAddress(int address) { slaveAddress_ = address & 0xFF; }

    // --- links
    // `portName` is the device path the user chose. `onSerialPort` records that the
    // connection came through the serial (not the USB) button.
    bool openSerial(const std::string& portName, const SerialLinkSettings& settings, bool onSerialPort);
    bool openUdp(const std::string& deviceAddress, const std::string& localAddress, std::uint16_t port);
    // Starts connecting; the link is connected once the connect event arrives.
    bool openTcp(const std::string& deviceAddress, const std::string& localAddress, std::uint16_t port);
    void close();
    // Closes now, or right after the transaction that is waiting for its answer (a
    // Disconnect click during a wait), so no frame is cut in half.
    void closeAfterTransaction();

    // Events of the TCP socket (low 16 bits read, connect or close; high 16 bits the
    // error code). The event pump delivers them; this entry is for pumps that route
    // them through the window instead.
    void socketEvent(std::uint32_t eventWord) { async_.socketEvent(eventWord); }

    bool connected() const { return asynchronous_ ? async_.connected() : connected_; }
    // The last link ended by a close of the tool's own (the user's disconnect, another
    // model chosen), not by the device's side or the network.
    bool closedOnRequest() const { return closedOnRequest_; }
    // A transaction is waiting for its answer (another one started now fails at once).
    bool busy() const { return rtuBusy_ || async_.busy(); }
    bool network() const { return network_; }
    bool asynchronous() const { return asynchronous_; }
    bool linkOnSerialPort() const { return linkOnSerialPort_; }
    const std::string& portName() const { return portName_; }
    int lastSerialOpenError() const { return serial_.lastOpenError(); }
    // errno of the last failed TCP connection or of the error that ended it.
    int lastSocketError() const { return async_.lastError(); }
    AsyncLink& asyncLink() { return async_; }
    // Who is using the link: pages hold it while a tick or an action runs.
    LinkActivity& activity() { return activity_; }

    // A read that got no answer, or a damaged one (bad CRC, byte count or length), is
    // sent again up to `retries` more times (0..10; 0 until set). Writes and commands
    // are never sent twice: a write whose echo is lost is read back and counts only
    // when every register holds what was written.
    static constexpr int kMaxReadRetries = 10;
    void setReadRetries(int retries);
    int readRetries() const { return readRetries_; }

    Seconds readTimeout() const { return readTimeout_; }
    Seconds writeSettleDelay() const { return writeSettleDelay_; }
    static constexpr Seconds kAsyncReplyTimeout{5.0};

    // --- transactions
    // A read succeeds only when every register asked for arrived. A non-zero
    // `timeout` shortens the serial or UDP wait (the asynchronous link's waits are
    // set by its flush).
    bool readRegisters(int first, int count, bool queue = false, Seconds timeout = Seconds::zero());
    // A wait for a read of `count` registers long enough for the line's speed but far
    // shorter than the link's own time-out, for refreshes that must notice a silent
    // device quickly.
    Seconds quickReadTimeout(int count) const;
    // A read that also gives the words of the device's reply, for any register,
    // whether the model's map knows it or not.
    bool readRaw(int first, int count, std::vector<std::uint16_t>& words);
    // Writes are skipped when the image holds the value as received from this device,
    // and confirmed by reading the registers back on every link.
    bool writeRegister(int reg, int value, bool queue = false, bool force = false);
    bool writeRegisters(int first, std::span<const std::uint16_t> values, bool queue = false, bool force = false);
    bool sendCommand(int code);
    // A time-out of zero means the asynchronous reply time-out (5 s).
    bool flushQueuedReads(Seconds timeout = Seconds::zero());
    bool flushQueuedWrites(Seconds timeout = Seconds::zero());
    // Why the last failed transaction failed (register numbers without the P's offset).
    LinkError lastError() const;

    // --- register image
    int registerValue(int reg) const { return image_.registerValue(reg); }
    // The register arrived from the device on this connection.
    bool received(int reg) const { return image_.received(reg); }
    void storeRegisterValue(int reg, int value) { image_.storeRegisterValue(reg, value); }
    const RegisterImage& image() const { return image_; }
    RegisterImage& image() { return image_; }

private:
    std::uint16_t wireAddress(int reg) const;
    bool sendFrame(std::size_t length);
    void drainLink();
    // Remembers that `replies` sent for `request` are still unanswered.
    void owe(const rtu::Expectation& request, int replies);
    void settleOwedReplies(const rtu::Expectation& next);
    void pauseUntil(Deadline deadline);
    // The serial transaction may start: the link is open and no other transaction runs.
    bool rtuFree();
    bool fail(LinkError error);
    // Ends a transaction: a close asked for meanwhile happens now.
    bool finish(bool ok);
    bool unchanged(int first, std::span<const std::uint16_t> values) const;
    bool rtuRead(int first, int count, std::vector<std::uint16_t>* words, Seconds timeout = Seconds::zero());
    bool rtuWrite(int first, std::span<const std::uint16_t> values, std::size_t length);
    bool rtuCommand(int code);
    bool asyncRead(int first, int count, std::vector<std::uint16_t>* words);
    std::vector<std::uint16_t> wireAddresses(int first, std::size_t count) const;

    EventPump& pump_;
    SerialPort serial_;
    UdpLink udp_;
    AsyncLink async_;
    RtuReceiver receiver_{serial_, udp_};
    // A serial or UDP transaction is in progress. It waits in the pump, where a timer
    // may fire: a transaction started from there fails at once instead of
    // interleaving its frames with this one.
    bool rtuBusy_ = false;
    RegisterImage image_;
    LinkError rtuFault_;
    LinkActivity activity_;
    bool closeRequested_ = false;
    bool closedOnRequest_ = false;

    bool connected_ = false;
    bool network_ = false;
    bool asynchronous_ = false;
    bool linkOnSerialPort_ = false;
    std::string portName_;
    int slaveAddress_ = 1;
    int readRetries_ = 0;
    // Replies that requests which gave up may still get, until their guard time ends.
    struct OwedReplies {
        rtu::Expectation request;
        int replies = 0;
        Deadline until{};
    };
    std::vector<OwedReplies> owed_;
    Seconds readTimeout_{0.025};
    Seconds writeSettleDelay_{0.025};

    std::array<std::uint8_t, rtu::kBufferSize> request_{};
};
