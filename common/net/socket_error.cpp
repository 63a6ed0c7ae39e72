#include "common/net/socket_error.h"

#include <cerrno>

namespace net {

namespace {
thread_local int lastError = kSocketNoError;
}

int LastSocketError() { return lastError; }

void SetLastSocketError(int code) { lastError = code; }

int SocketErrorFromErrno(int errnoValue) {
    switch (errnoValue) {
        case 0: return kSocketNoError;
        case EINTR: return kSocketInterrupted;
        case EBADF:
        case ENOTSOCK: return kSocketBadHandle;
        case EINVAL: return kSocketInvalidArgument;
        case EMFILE:
        case ENFILE: return kSocketTooManyOpen;
        case EAGAIN:
        case EINPROGRESS: return kSocketWouldBlock;
        case EADDRINUSE: return kSocketAddressInUse;
        case ENETUNREACH:
        case ENETDOWN: return kSocketNetworkUnreachable;
        case ECONNABORTED: return kSocketConnectionAborted;
        case ECONNRESET:
        case EPIPE: return kSocketConnectionReset;
        case ENOTCONN: return kSocketNotConnected;
        case ESHUTDOWN: return kSocketShutDown;
        case ETIMEDOUT: return kSocketTimedOut;
        case ECONNREFUSED: return kSocketConnectionRefused;
        case EHOSTUNREACH:
        case EHOSTDOWN: return kSocketHostUnreachable;
        default: return kSocketOtherError;
    }
}

}  // namespace net
