#pragma once
// The archive adapter: loads the 7-Zip library from a file, opens an archive
// with one of its format handlers and extracts items into a folder or into
// streams of the caller.
#include "sevenzip/InterfacedObject.h"
#include "sevenzip/SevenZipInterfaces.h"
#include "sevenzip/Streams.h"
#include "win/ComPtr.h"
#include "win/Lock.h"
#include "win/Module.h"

#include <atomic>
#include <cstdint>
#include <exception>
#include <mutex>
#include <string>

namespace sevenzip {

// Callbacks are plain functions; the sender is handed back unchanged.
// The library may call the stream and password callbacks on a thread of its
// own (never two calls at once): they must not touch the GUI or unguarded
// shared state. Progress is reported on the caller's thread.
using T7zProgressCallback = HRESULT (*)(void *sender, bool isTotal, int64_t value);
using T7zPasswordCallback = HRESULT (*)(void *sender, std::wstring &password);
using T7zGetStreamCallback = HRESULT (*)(void *sender, uint32_t index, ISequentialOutStream **stream);

inline constexpr GUID IID_I7zInArchive = {0x022CF785, 0x3ECE, 0x46EF, {0x97, 0x55, 0x29, 0x1F, 0xA8, 0x4C, 0xC6, 0xC9}};

// One archive opened for reading. Operations raise std::runtime_error (the
// text is the error's own). Item queries and extraction need an open archive
// (or a handler from GetInArchive) and an index below the item count, and
// raise otherwise; a failed open leaves no archive open. While an open or an
// extraction runs, Open and Close raise (a callback cannot close the archive
// under the library). Progress reaches the callback on the thread that
// called the extraction only.
struct I7zInArchive : IUnknown {
    virtual void OpenFile(const std::string &path) = 0;
    virtual void OpenStream(IInStream *stream) = 0;
    virtual void Close() = 0;
    virtual uint32_t GetNumberOfItems() = 0;
    virtual std::wstring GetItemPath(uint32_t index) = 0;
    virtual std::wstring GetItemName(uint32_t index) = 0;
    virtual int32_t GetItemSize(uint32_t index) = 0;
    virtual bool ItemIsFolder(uint32_t index) = 0;
    virtual win::ComPtr<IInArchive> GetInArchive() = 0;
    virtual void ExtractItem(uint32_t index, TDataStream &stream, bool test) = 0;
    virtual void ExtractItems(const uint32_t *indices, uint32_t count, bool test, void *sender,
                              T7zGetStreamCallback callback) = 0;
    virtual void ExtractAll(bool test, void *sender, T7zGetStreamCallback callback) = 0;
    // Extracts every item below the folder; an item whose path would leave
    // the folder is skipped. Every extraction attempts all its items; the
    // first that fails (a wrong password, damaged data, a file that cannot be
    // created) raises an error naming it once the library has returned.
    virtual void ExtractTo(const std::string &folder) = 0;
    virtual void SetPasswordCallback(void *sender, T7zPasswordCallback callback) = 0;
    virtual void SetPassword(const std::wstring &password) = 0;
    virtual void SetProgressCallback(void *sender, T7zProgressCallback callback) = 0;
    virtual void SetClassId(const GUID &classId) = 0;
    virtual GUID GetClassId() = 0;
};

// One loaded library. It is loaded by its full path, and its own imports are
// looked up in the system folder only.
class T7zPlugin : public TInterfacedObject {
public:
    explicit T7zPlugin(const std::string &libraryPath);

protected:
    win::Module module_;
    CreateObjectFunc createObject_ = nullptr;
};

// A library that offers format handlers.
class T7zArchive : public T7zPlugin {
public:
    explicit T7zArchive(const std::string &libraryPath);

protected:
    FARPROC getHandlerProperty_ = nullptr; // only proof that it is a format library
    GUID classId_ = {};
};

class T7zInArchive : public T7zArchive,
                     public IArchiveOpenSetSubArchiveName,
                     public IArchiveOpenVolumeCallback,
                     public ICryptoGetTextPassword,
                     public IArchiveExtractCallback,
                     public IArchiveOpenCallback,
                     public I7zInArchive {
public:
    explicit T7zInArchive(const std::string &libraryPath);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return TInterfacedObject::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return TInterfacedObject::Release(); }

    void OpenFile(const std::string &path) override;
    void OpenStream(IInStream *stream) override;
    void Close() override;
    uint32_t GetNumberOfItems() override;
    std::wstring GetItemPath(uint32_t index) override;
    std::wstring GetItemName(uint32_t index) override;
    int32_t GetItemSize(uint32_t index) override;
    bool ItemIsFolder(uint32_t index) override;
    win::ComPtr<IInArchive> GetInArchive() override;
    void ExtractItem(uint32_t index, TDataStream &stream, bool test) override;
    void ExtractItems(const uint32_t *indices, uint32_t count, bool test, void *sender,
                      T7zGetStreamCallback callback) override;
    void ExtractAll(bool test, void *sender, T7zGetStreamCallback callback) override;
    void ExtractTo(const std::string &folder) override;
    void SetPasswordCallback(void *sender, T7zPasswordCallback callback) override;
    void SetPassword(const std::wstring &password) override;
    void SetProgressCallback(void *sender, T7zProgressCallback callback) override;
    void SetClassId(const GUID &classId) override;
    GUID GetClassId() override;

    // The library's callbacks.
    HRESULT STDMETHODCALLTYPE SetSubArchiveName(const wchar_t *name) override;
    HRESULT STDMETHODCALLTYPE GetProperty(PROPID propId, PROPVARIANT *value) override;
    HRESULT STDMETHODCALLTYPE GetStream(const wchar_t *name, IInStream **stream) override;
    HRESULT STDMETHODCALLTYPE CryptoGetTextPassword(BSTR *password) override;
    HRESULT STDMETHODCALLTYPE SetTotal(UINT64 total) override;
    HRESULT STDMETHODCALLTYPE SetCompleted(const UINT64 *completed) override;
    HRESULT STDMETHODCALLTYPE GetStream(UINT32 index, ISequentialOutStream **stream, INT32 askMode) override;
    HRESULT STDMETHODCALLTYPE PrepareOperation(INT32 askMode) override;
    HRESULT STDMETHODCALLTYPE SetOperationResult(INT32 result) override;
    HRESULT STDMETHODCALLTYPE SetTotal(const UINT64 *files, const UINT64 *bytes) override;
    HRESULT STDMETHODCALLTYPE SetCompleted(const UINT64 *files, const UINT64 *bytes) override;

private:
    IInArchive &OpenHandler();
    void EnsureIdle() const;
    void CheckIndex(uint32_t index);
    void Open(IInStream *stream);
    void Extract(const uint32_t *indices, uint32_t count, bool test);
    void ItemProperty(uint32_t index, PROPID propId, PROPVARIANT *value);
    HRESULT StreamForFile(uint32_t index, ISequentialOutStream **stream);
    template <typename F> HRESULT Guarded(F &&callback) noexcept;
    void RaiseCallbackError();
    void RecordFailure(uint32_t index, const std::string &reason) noexcept;
    void RaiseItemFailure();
    void ForwardOffThreadProgress();

    // Declared after the module of the base class, so it is released first:
    // the handler's code lives in the library.
    win::ComPtr<IInArchive> handler_;
    T7zPasswordCallback passwordCallback_ = nullptr;
    void *passwordSender_ = nullptr;
    T7zProgressCallback progressCallback_ = nullptr;
    void *progressSender_ = nullptr;
    TDataStream *itemStream_ = nullptr;
    bool passwordIsSet_ = false;
    std::wstring password_;
    T7zGetStreamCallback streamCallback_ = nullptr;
    void *streamSender_ = nullptr;
    std::string destination_;
    // An error a callback of the caller raised while the library ran; it is
    // raised again once the library has returned.
    std::exception_ptr callbackError_;
    // The item of the current operation, and the first item the library could
    // not extract ("<path>: <reason>"): both are written on whichever thread
    // the library calls back from, and the failure is raised once it returns.
    std::atomic<uint32_t> currentItem_{0};
    // An open or an extraction runs: a callback may not close or reopen the
    // archive under the library.
    std::atomic<bool> busy_{false};
    // The thread that called Extract, and the last progress the library
    // reported from another one (-1: none).
    std::atomic<DWORD> callerThread_{0};
    std::atomic<int64_t> offThreadTotal_{-1};
    std::atomic<int64_t> offThreadCompleted_{-1};
    win::Lock failureMutex_;
    std::string firstFailure_;
};

// Loads the library and returns the only reference to a new archive object
// for the format handler classId. Loading errors propagate; no object remains.
win::ComPtr<I7zInArchive> CreateInArchive(const GUID &classId, const std::string &libraryPath);

} // namespace sevenzip
