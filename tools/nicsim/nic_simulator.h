#pragma once
// Simulated printer NICs for tests and demonstrations. Each NIC lives on a
// loopback address 127.0.0.N and answers the attribute protocol on UDP 8450
// and the command protocol on UDP 11299, and takes raw print jobs on TCP 9100,
// writing each job to a file. Several NICs may share one address (each answers
// with its own MAC), and fault modes make a NIC misbehave on purpose; a slow
// NIC (replyDelayMs) answers late without holding up the others.
//
// A NIC given an IPX network also answers the attribute protocol over the
// NetWare stand-in's loopback IPX (outside/netware/loopback_ipx.h), at its
// network and with its MAC as the node.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace nicsim {

enum class Fault {
  None,
  Silent,            // answers nothing on UDP
  NoStatusDatagram,  // answers a probe, but sends no status datagram after it
  OtherMaker,        // describes itself as another maker's NIC
  AnswersTwice,      // sends every reply twice
  RefusesWrites,     // answers probes and reads, never a set request or command 1
};

struct PrintSink {
  bool listening = true;              // false: connections are refused
  std::uint64_t resetAfter = 0;       // >0: reset the connection after this many bytes
  std::uint64_t closeAfter = 0;       // >0: close (orderly) after this many bytes
  bool stopReading = false;           // accept, then never read
  std::uint32_t bytesPerSecond = 0;   // >0: read no faster than this
};

struct SimNic {
  std::string ip = "127.0.0.2";
  std::string mac = "00:80:87:00:00:02";
  std::string name = "PRN";
  std::string description = "NRV FastEthernet 1";  // "NRV FastEthernet", one character, "1": power control
  std::uint8_t capability = 0x20;   // attribute 249
  std::string firmware = "1.00a";   // attribute 251, five characters
  std::uint8_t printActivity = 0;   // attribute 253
  std::uint8_t portStatus = 0;      // attribute 254: bit 0 offline, bit 1 paper out
  bool extendedTextSupported = true;  // bit 7 of attribute 242
  std::string extendedText = "O=OFFICE";
  std::string ipxNetwork;  // eight hex digits; empty: not on IPX

  // The status text; when empty it is built from the fields after it.
  std::string statusText;
  std::string model = "LP-9800C";
  std::uint8_t printerSpecific = 0x00;  // high nibble: family
  std::uint8_t paperSource = 1;
  std::uint32_t extAlarmBits = 0;   // EXTSTS, always sent when statusText is empty
  bool advancedInfo = false;        // also send ADVINF
  std::uint32_t advAlarmBits = 0;
  // ADVINF2, sent when either is set: memory in kilobytes, hard disk in
  // megabytes (0: none).
  std::uint32_t memoryKb = 0;
  std::uint16_t diskMb = 0;

  // Configuration items and attributes given by number (item.N, attr.N),
  // as the values that travel; they stand over the factory values. A write
  // over the network to one of them changes it here too.
  std::map<std::uint8_t, std::string> items;
  std::map<std::uint8_t, std::vector<std::uint8_t>> attributes;
  bool mail = true;  // false: the NIC holds no mail notice items (80 to 87)

  std::uint32_t replyDelayMs = 0;  // every reply leaves this much later
  std::uint32_t ignoreProbes = 0;  // this many probes go unanswered first (one each)
  Fault fault = Fault::None;
  PrintSink sink;
};

// What the simulator saw, in arrival order. `kind` is one of "probe",
// "set", "extprobe", "extset", "ncm", "exn", "wake", "other" (datagrams, with
// their bytes, reply-port prefix included; over IPX `nicIp` is the NIC's
// "network:node" and the bytes are the IPX data after the envelope), "job" (a finished print job:
// `bytes` empty, `path` its file, `size` its length), "connect" (`path` the
// file the job will be written to), "wrote" (right after the datagram of a
// write that a NIC took, one for each such NIC: a set request, an extended
// set request or command 1; `mac` the NIC, `written` what the write carried,
// one entry per value in the forms of nic_values.h: "attr 7=\"NEWNAME\"",
// "item 4=64", "ext=\"O=OFFICE\"", the address and MAC included; addresses
// and ports those of the datagram). A NIC that refuses writes, or is
// silent, records no "wrote".
struct Event {
  std::string kind;
  std::string nicIp;     // the simulated NIC's address
  std::string peerIp;    // the sender
  std::uint16_t peerPort = 0;
  std::uint16_t localPort = 0;  // 8450, 11299 or 9100; over IPX the NIC's UDP port
  std::vector<std::uint8_t> bytes;
  std::string path;
  std::uint64_t size = 0;
  std::string mac;
  std::vector<std::string> written;
};

class Simulator {
 public:
  // Jobs are written as files into `jobDir` (created if missing).
  explicit Simulator(std::string jobDir);
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  // Binds every NIC's sockets and starts serving; returns once all are bound,
  // false with a reason otherwise.
  bool Start(const std::vector<SimNic>& nics, std::string* error);
  void Stop();

  // Replaces the configuration of the NIC with this MAC (its address may
  // change: it then moves, as a real NIC would). False when there is none,
  // or when the new address cannot be served (outside 127.0.0.0/8, or
  // taken); the NIC then keeps its previous configuration.
  // Start, Stop, Update and Find are called from one thread at a time.
  bool Update(const SimNic& nic);

  // The NIC with this MAC as it stands now, with the address and name that
  // managers may have written over the network. False when there is none.
  bool Find(const std::string& mac, SimNic* nic) const;

  // Also serve the attribute port on this broadcast address (a test's own
  // network namespace); set before Start.
  void SetBroadcastAddress(std::string ip);

  // The UDP port base of the loopback IPX (the segment file's "port" line);
  // set before Start.
  void SetIpxPortBase(std::uint16_t base);

  // Called on the serving thread after each event is recorded; set before
  // Start. It must not call back into the simulator.
  void SetEventListener(std::function<void(const Event&)> listener);

  std::vector<Event> Events() const;
  void ClearEvents();
  // Waits until an event of `kind` has been seen (counting from the start or
  // the last ClearEvents); false after `timeoutMs`.
  bool WaitForEvent(const std::string& kind, int timeoutMs) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace nicsim
