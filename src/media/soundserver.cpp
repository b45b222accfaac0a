#include "media/soundserver.h"

#include <QDeadlineTimer>

#include <pulse/context.h>
#include <pulse/mainloop.h>

namespace virdo {

bool soundServerAnswers(std::chrono::milliseconds patience)
{
    pa_mainloop *loop = pa_mainloop_new();
    if (!loop)
        return false;
    pa_context *context = pa_context_new(pa_mainloop_get_api(loop), "VIRDO");
    bool ready = false;
    // Found the way Qt looks for it: the same server address, the same autospawn setting.
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) >= 0) {
        const QDeadlineTimer deadline(patience);
        for (;;) {
            const pa_context_state_t state = pa_context_get_state(context);
            ready = state == PA_CONTEXT_READY;
            // A server stopped on its way (SIGSTOP) takes the connection and never answers.
            if (ready || !PA_CONTEXT_IS_GOOD(state) || deadline.hasExpired())
                break;
            const auto waitUs = std::chrono::duration_cast<std::chrono::microseconds>(deadline.remainingTimeAsDuration());
            if (pa_mainloop_prepare(loop, int(waitUs.count())) < 0 || pa_mainloop_poll(loop) < 0
                || pa_mainloop_dispatch(loop) < 0)
                break;
        }
        pa_context_disconnect(context);
    }
    if (context)
        pa_context_unref(context);
    pa_mainloop_free(loop);
    return ready;
}

} // namespace virdo
