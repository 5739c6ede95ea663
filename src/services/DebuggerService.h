// The debugger service: a modal dialog listing every environment key, its value and its source;
// with no display the same listing goes to standard error.
#pragma once

namespace rnx10 {

class DebuggerService {
public:
    virtual ~DebuggerService() = default;
    virtual void ShowDebuggerOptions();
};

} // namespace rnx10
