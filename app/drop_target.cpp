#include "app/drop_target.h"

#include "app/event_table.h"
#include "app/shell.h"
#include "platform/windows_text.h"

namespace {

FORMATETC file_list_format() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// Only files are taken, never text, HTML or links. The drop never asks the source to
// move (and so delete) what it dropped.
class FileDropTarget final : public IDropTarget {
public:
    explicit FileDropTarget(HWND icon) : icon_(icon) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDropTarget) {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        FORMATETC format = file_list_format();
        accepts_ = data && data->QueryGetData(&format) == S_OK;
        *effect = chosen_effect(*effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect = chosen_effect(*effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        accepts_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        *effect = chosen_effect(*effect);
        accepts_ = false;
        if (*effect == DROPEFFECT_NONE || !data) return S_OK;
        FORMATETC format = file_list_format();
        STGMEDIUM medium{};
        if (FAILED(data->GetData(&format, &medium))) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        std::string paths = dropped_paths_text(static_cast<HDROP>(medium.hGlobal));
        ReleaseStgMedium(&medium);
        // The shell is looked up at the drop: the target may outlive the window.
        if (Shell* shell = shell_of(icon_)) raise_event(*shell, Source::drop_target, Event::files_dropped, {BoxKey::enter, std::move(paths)});
        return S_OK;
    }

private:
    DWORD chosen_effect(DWORD allowed) const {
        if (!accepts_) return DROPEFFECT_NONE;
        if (allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
        if (allowed & DROPEFFECT_LINK) return DROPEFFECT_LINK;
        return DROPEFFECT_NONE;
    }

    HWND icon_;
    LONG references_ = 1;
    bool accepts_ = false;
};

std::string dropped_path(HDROP drop, UINT index) {
    std::wstring path(DragQueryFileW(drop, index, nullptr, 0) + 1u, L'\0');
    path.resize(DragQueryFileW(drop, index, path.data(), static_cast<UINT>(path.size())));
    return wide_to_utf8(path);
}

}  // namespace

bool register_drop_target(Shell& shell) {
    const HWND icon = shell.control(ControlId::icon);
    auto* target = new FileDropTarget(icon);
    shell.drop_target.reset(target);
    return SUCCEEDED(RegisterDragDrop(icon, target));
}

std::string dropped_paths_text(HDROP drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    if (count == 1) return dropped_path(drop, 0);
    std::string text;
    for (UINT i = 0; i < count; ++i) text += dropped_path(drop, i) + "\r\n";
    return text;
}
