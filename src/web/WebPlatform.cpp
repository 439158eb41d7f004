#include "web/WebPlatform.h"

#include <cstdint>
#include <vector>

using emscripten::val;

namespace {

// The page's script, which draws the dialogs and hands files to the browser.
val page() {
    return val::global("quillmarPage");
}

} // namespace

void WebPlatform::showMessage(const std::string& text, std::function<void()> closed) {
    const int dialog = waitFor([closed = std::move(closed)](const std::string&) { closed(); });
    page().call<void>("showMessage", dialog, text);
}

void WebPlatform::chooseFileToOpen(const std::string& filter,
                                   std::function<void(const std::string&)> chosen) {
    const int dialog = waitFor(std::move(chosen));
    page().call<void>("chooseFileToOpen", dialog, acceptedEnding(filter));
}

void WebPlatform::chooseFileToSave(const std::string&,
                                   std::function<void(const std::string&)> chosen) {
    const int dialog = waitFor(std::move(chosen));
    page().call<void>("chooseFileToSave", dialog, std::string("GAME.QSV"));
}

SaveFileRead WebPlatform::readSaveFile(const std::string& path) {
    const auto file = files_.find(path);
    if (file == files_.end())
        return {false, {}, "no file of that name was picked in this page"};
    return {true, file->second, {}};
}

std::string WebPlatform::writeSaveFile(const std::string& path, const std::string& record) {
    files_[path] = record;
    // The typed array copies the bytes out of the program's memory before the page keeps them.
    const val view = val(emscripten::typed_memory_view(
        record.size(), reinterpret_cast<const std::uint8_t*>(record.data())));
    page().call<void>("download", path, val::global("Uint8Array").new_(view));
    return {};
}

void WebPlatform::endProgram() {
    page().call<void>("endProgram");
}

void WebPlatform::answered(int dialog, const std::string& name) {
    const auto waiting = waiting_.find(dialog);
    if (waiting == waiting_.end())
        return;
    // The answer may open the next dialog, so it leaves the list before it runs.
    const std::function<void(const std::string&)> answer = std::move(waiting->second);
    waiting_.erase(waiting);
    answer(name);
}

void WebPlatform::fileOpened(int dialog, const std::string& name, const val& bytes) {
    const std::vector<std::uint8_t> read =
        emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes);
    files_[name] = std::string(read.begin(), read.end());
    answered(dialog, name);
}

int WebPlatform::waitFor(std::function<void(const std::string&)> answer) {
    waiting_.emplace(++lastDialog_, std::move(answer));
    return lastDialog_;
}

std::string acceptedEnding(const std::string& filter) {
    const std::size_t pattern = filter.rfind("|*");
    return pattern == std::string::npos ? std::string() : filter.substr(pattern + 2);
}
