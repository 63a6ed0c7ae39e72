#pragma once
// The socket layer's last error, kept per thread with the Windows Sockets numbers callers test.
namespace net {

constexpr int kSocketNoError = 0;
constexpr int kSocketInterrupted = 10004;
constexpr int kSocketBadHandle = 10038;
constexpr int kSocketInvalidArgument = 10022;
constexpr int kSocketTooManyOpen = 10024;
constexpr int kSocketWouldBlock = 10035;
constexpr int kSocketAddressInUse = 10048;
constexpr int kSocketNetworkUnreachable = 10051;
constexpr int kSocketConnectionAborted = 10053;
constexpr int kSocketConnectionReset = 10054;
constexpr int kSocketNotConnected = 10057;
constexpr int kSocketShutDown = 10058;
constexpr int kSocketTimedOut = 10060;
constexpr int kSocketConnectionRefused = 10061;
constexpr int kSocketHostUnreachable = 10065;
constexpr int kSocketDisconnected = 10101;  // the peer closed the connection
constexpr int kSocketHostNotFound = 11001;
constexpr int kSocketOtherError = 10000;  // a system error with no closer number

int LastSocketError();
void SetLastSocketError(int code);

// Turns a POSIX errno value into the number above that means the same.
int SocketErrorFromErrno(int errnoValue);

}  // namespace net
