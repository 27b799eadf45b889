#include "counter/gui/drv_k40.h"

#include "counter/gui/K40DebForm.h"
#include "platform/serial/qtserialline.h"

std::unique_ptr<K40DebForm> makeTransferWindow(const K40Link& link, int h1, int h2, int h3, int h4, int h5,
                                               int h6) {
    auto window = std::make_unique<K40DebForm>(link.dialogs, std::make_unique<QtSerialLine>(), link.device,
                                               ReplyTimeLimit, link.parent);
    window->setParameters(h1, h2, h3, h4, h5, h6);
    return window;
}

int Drv_K40(const K40Link& link, int h1, int h2, int h3, int h4, int h5, int h6,
            const std::function<bool()>& writeApproved) {
    auto window = makeTransferWindow(link, h1, h2, h3, h4, h5, h6);
    if (h6 == K40Parameters::DebugMode) {
        if (!window->load()) return window->parameters().K40DRV_H7;
        K40DebForm* shown = window.release();
        shown->setAttribute(Qt::WA_DeleteOnClose);
        shown->show();
        return K40Parameters::Running;
    }
    if (h1 != K40Parameters::RunAll) return K40Parameters::Running;
    if (window->load() && window->receivePhase() && (!writeApproved || writeApproved())) window->writePhase();
    window->unload();
    return window->parameters().K40DRV_H7;
}
