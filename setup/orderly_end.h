#pragma once

#include "platform/end_requests.h"

namespace pecunor {

class TfrmCalc;

// Stores the window's settings on every orderly end of the run that is not a
// close of the window: a request to end by signal (SIGTERM, SIGHUP, SIGINT),
// the session's logout, and the display going away, after which Qt ends the
// process with exit(). While it lives, the window must too.
class OrderlyEnd {
public:
    explicit OrderlyEnd(TfrmCalc& window);
    ~OrderlyEnd();
    OrderlyEnd(const OrderlyEnd&) = delete;
    OrderlyEnd& operator=(const OrderlyEnd&) = delete;

private:
    platform::EndRequests requests_;
};

}  // namespace pecunor
