#include "BrowserContainer.h"

#include <ole2.h>

#include "ClientSite.h"
#include "ComPointer.h"

namespace zelva::document {
namespace {

// What one container holds of its control.
struct ContainerRecord {
  win::ComPointer<AXClientSite> site;
  win::ComPointer<IStorage> storage;
  win::ComPointer<IOleObject> object;
  win::ComPointer<IViewObject> view;
  win::ComPointer<IOleInPlaceObject> inPlace;
  bool active = false;
};

ContainerRecord* RecordOf(HWND window) { return reinterpret_cast<ContainerRecord*>(GetWindowLongPtrA(window, 0)); }

bool CreateControl(HWND window, ContainerRecord& record) {
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  CLSID classId;
  if (FAILED(CLSIDFromString(title, &classId))) return false;

  record.site.reset(new AXClientSite(window));
  win::ComPointer<ILockBytes> bytes;
  if (FAILED(CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.receive())) ||
      FAILED(StgCreateDocfileOnILockBytes(bytes.get(), STGM_SHARE_EXCLUSIVE | STGM_CREATE | STGM_READWRITE, 0,
                                          record.storage.receive())))
    return false;
  IOleClientSite* site = static_cast<IOleClientSite*>(record.site.get());
  if (FAILED(OleCreate(classId, IID_IOleObject, OLERENDER_DRAW, nullptr, site, record.storage.get(),
                       record.object.receiveVoid())) &&
      FAILED(OleCreate(classId, IID_IOleObject, OLERENDER_NONE, nullptr, site, record.storage.get(),
                       record.object.receiveVoid())))
    return false;
  record.object->SetClientSite(site);
  OleSetContainedObject(record.object.get(), TRUE);
  record.object->QueryInterface(IID_IViewObject, record.view.receiveVoid());
  record.object->QueryInterface(IID_IOleInPlaceObject, record.inPlace.receiveVoid());
  return true;
}

IOleInPlaceObject* InPlaceOf(ContainerRecord& record) {
  if (!record.inPlace && record.object)
    record.object->QueryInterface(IID_IOleInPlaceObject, record.inPlace.receiveVoid());
  return record.inPlace.get();
}

void Activate(HWND window, ContainerRecord& record, bool activate) {
  if (!record.object) return;
  if (activate && !record.active) {
    RECT area;
    GetClientRect(window, &area);
    record.active = SUCCEEDED(record.object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr,
                                                    static_cast<IOleClientSite*>(record.site.get()), 0, window, &area));
  } else if (!activate && record.active) {
    if (IOleInPlaceObject* inPlace = InPlaceOf(record)) {
      inPlace->UIDeactivate();
      inPlace->InPlaceDeactivate();
    }
    record.active = false;
  }
  InvalidateRect(window, nullptr, TRUE);
}

void Release(HWND window, ContainerRecord* record) {
  SetWindowLongPtrA(window, 0, 0);
  if (record == nullptr) return;
  Activate(window, *record, false);
  record->inPlace.reset();
  record->view.reset();
  if (record->object) {
    record->object->Close(OLECLOSE_NOSAVE);
    record->object->SetClientSite(nullptr);
  }
  record->object.reset();
  record->storage.reset();
  record->site.reset();
  delete record;
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE: {
      auto* record = new ContainerRecord;
      SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(record));
      CreateControl(window, *record);  // without a control the window stays empty
      return 0;
    }
    case kContainerQueryMessage: {
      ContainerRecord* record = RecordOf(window);
      auto** result = reinterpret_cast<void**>(l);
      if (result != nullptr) *result = nullptr;
      if (record == nullptr || !record->object || w == 0 || result == nullptr) return E_NOINTERFACE;
      return record->object->QueryInterface(*reinterpret_cast<const IID*>(w), result);
    }
    case kContainerActivateMessage:
      if (ContainerRecord* record = RecordOf(window)) Activate(window, *record, w == 1);
      return 1;
    case WM_SIZE:
      if (ContainerRecord* record = RecordOf(window)) {
        if (IOleInPlaceObject* inPlace = InPlaceOf(*record)) {
          RECT area = {0, 0, LOWORD(l), HIWORD(l)};
          inPlace->SetObjectRects(&area, &area);
        }
      }
      return 0;
    case WM_LBUTTONDBLCLK:
      PostMessageA(window, kContainerActivateMessage, 1, 0);
      return 0;
    case WM_DESTROY:
      Release(window, RecordOf(window));
      return 0;
  }
  return DefWindowProcA(window, message, w, l);
}

LRESULT CALLBACK ContainerProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  try {
    return HandleMessage(window, message, w, l);
  } catch (...) {
    return message == WM_CREATE ? -1 : 0;
  }
}

}  // namespace

bool RegisterContainerClass(HINSTANCE instance) {
  WNDCLASSEXA type = {};
  type.cbSize = sizeof(type);
  type.style = CS_GLOBALCLASS | CS_DBLCLKS;
  type.lpfnWndProc = &ContainerProcedure;
  type.cbWndExtra = sizeof(LONG_PTR);  // the record's address
  type.hInstance = instance;
  type.hCursor = LoadCursor(nullptr, IDC_ARROW);
  type.lpszClassName = kContainerClass;
  return RegisterClassExA(&type) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace zelva::document
