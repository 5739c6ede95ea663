// The static message window service: a small frameless, always-on-top window showing one text.
#pragma once

#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace rnx10 {

class StaticMessageService {
public:
    StaticMessageService();
    virtual ~StaticMessageService();

    // Shows the text until the matching hide; painted before the call returns. With no display
    // nothing is shown and the call still succeeds.
    virtual void UIShowStaticMessageDialog(const std::string &message, bool flag);
    // Removes the window shown last.
    virtual void UIHideStaticMessageDialog();

    std::size_t openWindows() const { return m_windows.size(); }

private:
    std::vector<std::unique_ptr<QWidget>> m_windows;
};

} // namespace rnx10
