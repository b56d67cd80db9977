#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "platform/IniHand.h"
#include "platform/ui/Ui.h"

namespace testsupport {

namespace {

bool countMisses = false;
std::vector<std::wstring> missedNames;

void OnMissingControl(const ui::Form& form, const std::wstring& name) {
    if (countMisses) {
        missedNames.push_back(name);
        return;
    }
    ADD_FAILURE() << "no control " << sys::ToAnsi(name) << " on " << sys::ToAnsi(form.Name());
}

// Installed before the first test, so that no test can miss a control unseen.
class MissingControlEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ui::SetMissingControlHook(OnMissingControl); }
};

const auto* const kMissingControlEnvironment = ::testing::AddGlobalTestEnvironment(new MissingControlEnvironment);

}  // namespace

ExpectMissingControls::ExpectMissingControls() {
    countMisses = true;
    missedNames.clear();
}

ExpectMissingControls::~ExpectMissingControls() { countMisses = false; }

const std::vector<std::wstring>& ExpectMissingControls::Names() const { return missedNames; }

void LoadConfigStrings() {
    // Read once: many tests start many worlds.
    static std::map<uint32_t, std::wstring> table;
    if (!table.empty()) {
        fake::W().modules[0].strings = table;
        return;
    }
    std::ifstream in(WIZ_SOURCE_DIR "/wizard/resources/wizard.rc");
    std::stringstream ss;
    ss << in.rdbuf();
    std::string rc = ss.str();
    std::regex entry(R"(^\s*(\d+)\s*,\s*"((?:[^"\\]|\\.)*)\")", std::regex::multiline);
    auto& strings = fake::W().modules[0].strings;
    for (std::sregex_iterator it(rc.begin(), rc.end(), entry), end; it != end; ++it) {
        std::string raw = (*it)[2], text;
        for (size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] == '\\' && i + 1 < raw.size() && raw[i + 1] == '\\') ++i;
            text += raw[i];
        }
        strings[static_cast<uint32_t>(std::stoul((*it)[1]))] = sys::FromAnsi(text);
    }
    table = strings;
}

void FreshWorld() {
    fake::Reset();
    ResetRunState();
    IniHand::ContinueLog();
    LoadConfigStrings();
}

std::string LogBytes() {
    std::string bytes = fake::FileBytes(IniHand::kLogFile);
    return bytes == "<no file>" ? "" : bytes;
}

std::vector<std::wstring> LogMessages() {
    std::vector<std::wstring> lines;
    std::wstring all = sys::FromAnsi(LogBytes());
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find(L"\r\n", start);
        if (end == std::wstring::npos) end = all.size();
        std::wstring line = all.substr(start, end - start);
        // message TAB time TAB date
        size_t tab = line.rfind(L'\t');
        if (tab != std::wstring::npos) tab = line.rfind(L'\t', tab - 1);
        lines.push_back(tab == std::wstring::npos ? line : line.substr(0, tab));
        start = end + 2;
    }
    return lines;
}

}  // namespace testsupport
