#pragma once

#include "controls/host/Component.h"
#include "controls/host/FormSite.h"
#include "platform/BaseWindow.h"

#include <memory>
#include <string>
#include <vector>

// A window that shows components as a user sees them, one scene at a time,
// so that scripts can take screenshots of them at any DPI.
class GalleryWindow final : public BaseWindow<GalleryWindow> {
public:
    GalleryWindow(const std::wstring& title, int clientWidth, int clientHeight);

    [[nodiscard]] FormSite& Site() noexcept { return site_; }
    // A layout rectangle in twips, in this window's pixels.
    [[nodiscard]] RECT FromTwips(int left, int top, int width, int height) const;

    template <typename T, typename... Args>
    T& Add(Args&&... args)
    {
        auto component = std::make_unique<T>(site_, std::forward<Args>(args)...);
        T& added = *component;
        components_.push_back(std::move(component));
        return added;
    }

private:
    friend class BaseWindow<GalleryWindow>;
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

    FormSite site_;
    std::vector<std::unique_ptr<Component>> components_;
};

// A scene: its name on the command line, the client size in twips, and what it puts on the window.
struct Scene {
    const wchar_t* Name;
    int ClientWidthTwips;
    int ClientHeightTwips;
    void (*Build)(GalleryWindow& window);
};

// Each scene's file registers it with one of these.
class SceneRegistration {
public:
    explicit SceneRegistration(const Scene& scene);
    [[nodiscard]] static const std::vector<Scene>& Scenes();
};
