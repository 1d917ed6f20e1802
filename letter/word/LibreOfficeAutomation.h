#pragma once

#include "WordAutomation.h"

// The real backend of the automation interface: each application is a
// private LibreOffice process, driven through its UNO API over a pipe.
class LibreOfficeAutomation : public word::Automation
{
public:
    // How long "create" waits for a started office to accept the
    // connection before it counts as no instance.
    static constexpr int ConnectTimeoutMs = 30000;
    // How long "quit" waits for the office to end before killing it.
    static constexpr int QuitTimeoutMs = 10000;

    std::shared_ptr<word::Application> createApplication() override;
};
