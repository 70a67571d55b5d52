#include "BrowserContainer.h"

#include <ole2.h>

#include "ClientSite.h"
#include "ComPointer.h"
#include "ObjectWindow.h"

namespace zelva::document {
namespace {

// What one container holds of its control; owned by the container window
// from WM_NCCREATE to WM_NCDESTROY (the slot is the class's extra bytes).
class ContainerRecord : public ui::ObjectWindow<ContainerRecord, 0> {
 public:
  ~ContainerRecord() { Release(); }
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);

 private:
  bool CreateControl();
  IOleInPlaceObject* InPlace();
  void Activate(bool activate);
  HRESULT Query(const IID* interfaceId, void** result);
  void Resize(LPARAM size);
  void Release();

  win::ComPointer<AXClientSite> site_;
  win::ComPointer<IStorage> storage_;
  win::ComPointer<IOleObject> object_;
  win::ComPointer<IViewObject> view_;
  win::ComPointer<IOleInPlaceObject> inPlace_;
  bool active_ = false;
};

bool ContainerRecord::CreateControl() {
  wchar_t title[64] = {};
  GetWindowTextW(window(), title, 64);
  CLSID classId;
  if (FAILED(CLSIDFromString(title, &classId))) return false;

  site_.reset(new AXClientSite(window()));
  win::ComPointer<ILockBytes> bytes;
  if (FAILED(CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.receive())) ||
      FAILED(StgCreateDocfileOnILockBytes(bytes.get(), STGM_SHARE_EXCLUSIVE | STGM_CREATE | STGM_READWRITE, 0,
                                          storage_.receive())))
    return false;
  IOleClientSite* site = static_cast<IOleClientSite*>(site_.get());
  if (FAILED(OleCreate(classId, IID_IOleObject, OLERENDER_DRAW, nullptr, site, storage_.get(),
                       object_.receiveVoid())) &&
      FAILED(OleCreate(classId, IID_IOleObject, OLERENDER_NONE, nullptr, site, storage_.get(),
                       object_.receiveVoid())))
    return false;
  object_->SetClientSite(site);
  OleSetContainedObject(object_.get(), TRUE);
  object_->QueryInterface(IID_IViewObject, view_.receiveVoid());
  object_->QueryInterface(IID_IOleInPlaceObject, inPlace_.receiveVoid());
  return true;
}

IOleInPlaceObject* ContainerRecord::InPlace() {
  if (!inPlace_ && object_) object_->QueryInterface(IID_IOleInPlaceObject, inPlace_.receiveVoid());
  return inPlace_.get();
}

void ContainerRecord::Activate(bool activate) {
  if (!object_) return;
  if (activate && !active_) {
    RECT area;
    GetClientRect(window(), &area);
    active_ = SUCCEEDED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(site_.get()),
                                        0, window(), &area));
  } else if (!activate && active_) {
    if (IOleInPlaceObject* inPlace = InPlace()) {
      inPlace->UIDeactivate();
      inPlace->InPlaceDeactivate();
    }
    active_ = false;
  }
  InvalidateRect(window(), nullptr, TRUE);
}

HRESULT ContainerRecord::Query(const IID* interfaceId, void** result) {
  if (result != nullptr) *result = nullptr;
  if (!object_ || interfaceId == nullptr || result == nullptr) return E_NOINTERFACE;
  return object_->QueryInterface(*interfaceId, result);
}

void ContainerRecord::Resize(LPARAM size) {
  if (IOleInPlaceObject* inPlace = InPlace()) {
    RECT area = {0, 0, LOWORD(size), HIWORD(size)};
    inPlace->SetObjectRects(&area, &area);
  }
}

// Gives the control up while the window still exists, in the order it was taken.
void ContainerRecord::Release() {
  if (window() != nullptr) Activate(false);
  inPlace_.reset();
  view_.reset();
  if (object_) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
  }
  object_.reset();
  storage_.reset();
  site_.reset();
}

LRESULT ContainerRecord::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE:
      CreateControl();  // without a control the window stays empty
      return 0;
    case kContainerQueryMessage:
      return Query(reinterpret_cast<const IID*>(w), reinterpret_cast<void**>(l));
    case kContainerActivateMessage:
      Activate(w == 1);
      return 1;
    case WM_SIZE:
      Resize(l);
      return 0;
    case WM_LBUTTONDBLCLK:
      PostMessageA(window(), kContainerActivateMessage, 1, 0);
      return 0;
    case WM_DESTROY:
      Release();
      return 0;
  }
  return Default(message, w, l);
}

}  // namespace

bool RegisterContainerClass(HINSTANCE instance) {
  WNDCLASSEXA type = {};
  type.cbSize = sizeof(type);
  type.style = CS_GLOBALCLASS | CS_DBLCLKS;
  type.lpfnWndProc = &ContainerRecord::OwningProcedure;
  type.cbWndExtra = sizeof(LONG_PTR);  // the record's address
  type.hInstance = instance;
  type.hCursor = LoadCursor(nullptr, IDC_ARROW);
  type.lpszClassName = kContainerClass;
  return RegisterClassExA(&type) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace zelva::document
