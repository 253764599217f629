#pragma once
// The 7-Zip library's published COM-style interfaces, as far as the adapter
// uses or implements them, with their interface ids. Slot order matters: the
// library calls through these tables.
#include <windows.h>
#include <oleauto.h>
#include <propidl.h>

#include <cstdint>

namespace sevenzip {

// Interface ids of the library share one pattern:
// {23170F69-40C1-278A-0000-00gg00ii0000}, gg the group, ii the interface.
constexpr GUID LibraryIid(uint8_t group, uint8_t id)
{
    return {0x23170F69, 0x40C1, 0x278A, {0x00, 0x00, 0x00, group, 0x00, id, 0x00, 0x00}};
}

inline constexpr GUID IID_IProgress = LibraryIid(0x00, 0x05);
inline constexpr GUID IID_ISequentialInStream = LibraryIid(0x03, 0x01);
inline constexpr GUID IID_ISequentialOutStream = LibraryIid(0x03, 0x02);
inline constexpr GUID IID_IInStream = LibraryIid(0x03, 0x03);
inline constexpr GUID IID_IOutStream = LibraryIid(0x03, 0x04);
inline constexpr GUID IID_IStreamGetSize = LibraryIid(0x03, 0x06);
inline constexpr GUID IID_IOutStreamFlush = LibraryIid(0x03, 0x07);
inline constexpr GUID IID_ICryptoGetTextPassword = LibraryIid(0x05, 0x10);
inline constexpr GUID IID_IArchiveOpenCallback = LibraryIid(0x06, 0x10);
inline constexpr GUID IID_IArchiveExtractCallback = LibraryIid(0x06, 0x20);
inline constexpr GUID IID_IArchiveOpenVolumeCallback = LibraryIid(0x06, 0x30);
inline constexpr GUID IID_IArchiveOpenSetSubArchiveName = LibraryIid(0x06, 0x50);
inline constexpr GUID IID_IInArchive = LibraryIid(0x06, 0x60);

// The format handler for 7z archives.
inline constexpr GUID CLSID_Format7z = {0x23170F69, 0x40C1, 0x278A, {0x10, 0x00, 0x00, 0x01, 0x10, 0x07, 0x00, 0x00}};

enum ItemPropertyId : PROPID { kpidPath = 3, kpidName = 4, kpidIsDir = 6, kpidSize = 7, kpidEncrypted = 15 };
enum AskMode : int32_t { kExtract = 0, kTest = 1, kSkip = 2 };
enum OperationResult : int32_t { kOK = 0 };

// CreateObject(class id, interface id, out object), exported by the library.
using CreateObjectFunc = HRESULT(WINAPI *)(const GUID *classId, const GUID *iid, void **object);

struct ISequentialInStream : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Read(void *data, UINT32 size, UINT32 *processedSize) = 0;
};

struct ISequentialOutStream : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Write(const void *data, UINT32 size, UINT32 *processedSize) = 0;
};

struct IInStream : ISequentialInStream {
    virtual HRESULT STDMETHODCALLTYPE Seek(INT64 offset, UINT32 origin, UINT64 *newPosition) = 0;
};

struct IOutStream : ISequentialOutStream {
    virtual HRESULT STDMETHODCALLTYPE Seek(INT64 offset, UINT32 origin, UINT64 *newPosition) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetSize(UINT64 newSize) = 0;
};

struct IStreamGetSize : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetSize(UINT64 *size) = 0;
};

struct IOutStreamFlush : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Flush() = 0;
};

struct IProgress : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetTotal(UINT64 total) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetCompleted(const UINT64 *completed) = 0;
};

struct ICryptoGetTextPassword : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CryptoGetTextPassword(BSTR *password) = 0;
};

struct IArchiveOpenCallback : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetTotal(const UINT64 *files, const UINT64 *bytes) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetCompleted(const UINT64 *files, const UINT64 *bytes) = 0;
};

struct IArchiveExtractCallback : IProgress {
    virtual HRESULT STDMETHODCALLTYPE GetStream(UINT32 index, ISequentialOutStream **stream, INT32 askMode) = 0;
    virtual HRESULT STDMETHODCALLTYPE PrepareOperation(INT32 askMode) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetOperationResult(INT32 result) = 0;
};

struct IArchiveOpenVolumeCallback : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetProperty(PROPID propId, PROPVARIANT *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetStream(const wchar_t *name, IInStream **stream) = 0;
};

struct IArchiveOpenSetSubArchiveName : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetSubArchiveName(const wchar_t *name) = 0;
};

// Slots 8 to 12 exist in the library's table; the adapter never calls them.
struct IInArchive : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Open(IInStream *stream, const UINT64 *maxCheckStartPosition,
                                           IArchiveOpenCallback *openCallback) = 0;
    virtual HRESULT STDMETHODCALLTYPE Close() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetNumberOfItems(UINT32 *count) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetProperty(UINT32 index, PROPID propId, PROPVARIANT *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE Extract(const UINT32 *indices, UINT32 count, INT32 testMode,
                                              IArchiveExtractCallback *callback) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetArchiveProperty(PROPID propId, PROPVARIANT *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetNumberOfProperties(UINT32 *count) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetPropertyInfo(UINT32 index, BSTR *name, PROPID *propId, VARTYPE *type) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetNumberOfArchiveProperties(UINT32 *count) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetArchivePropertyInfo(UINT32 index, BSTR *name, PROPID *propId,
                                                             VARTYPE *type) = 0;
};

} // namespace sevenzip
