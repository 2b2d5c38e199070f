// The public header's runtime names, unqualified, for the library's own sources; a host that
// includes only the public header finds them in namespace olvenir_p alone.
#pragma once

#include "olvenir_p.h"

using olvenir_p::BSTR;
using olvenir_p::CLASS_E_CLASSNOTAVAILABLE;
using olvenir_p::CLASS_E_NOAGGREGATION;
using olvenir_p::CLSCTX_INPROC_SERVER;
using olvenir_p::CLSID;
using olvenir_p::CLSID_OlvenirDictionaryService;
using olvenir_p::CO_E_DLLNOTFOUND;
using olvenir_p::CO_E_ERRORINDLL;
using olvenir_p::CO_E_NOTINITIALIZED;
using olvenir_p::E_FAIL;
using olvenir_p::E_INVALIDARG;
using olvenir_p::E_NOINTERFACE;
using olvenir_p::E_NOTIMPL;
using olvenir_p::E_OUTOFMEMORY;
using olvenir_p::E_POINTER;
using olvenir_p::FAILED;
using olvenir_p::GUID;
using olvenir_p::HRESULT;
using olvenir_p::IClassFactory;
using olvenir_p::IID;
using olvenir_p::IID_IClassFactory;
using olvenir_p::IID_IOlvenirDictionaryService;
using olvenir_p::IID_IUnknown;
using olvenir_p::IOlvenirDictionaryService;
using olvenir_p::IUnknown;
using olvenir_p::olvenir_DllGetClassObject_fn;
using olvenir_p::REGDB_E_CLASSNOTREG;
using olvenir_p::S_FALSE;
using olvenir_p::S_OK;
using olvenir_p::SUCCEEDED;
