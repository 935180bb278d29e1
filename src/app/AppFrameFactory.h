#pragma once

#include "app/FrameFactory.h"

class ConnectionSources;

// The program's pages. Each page joins here when its logic is built; until then its
// client area stays empty. The general frames will take the connection sources for
// their connection dialogs.
class AppFrameFactory final : public FrameFactory {
public:
    explicit AppFrameFactory(ConnectionSources& sources)
        : sources_(sources)
    {
    }

    std::unique_ptr<TFrame> create(FrameId id, TFormMain& main) override;
    ConnectionSources& sources() { return sources_; }

private:
    ConnectionSources& sources_;
};
