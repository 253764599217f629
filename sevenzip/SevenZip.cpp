#include "sevenzip/SevenZip.h"

#include "sevenzip/CheckResult.h"
#include "sevenzip/ItemPath.h"
#include "sevenzip/OperationResult.h"
#include "sevenzip/T7zStream.h"
#include "win/FileSystem.h"
#include "win/OleAuto.h"
#include "win/PathText.h"
#include "win/PropVariant.h"
#include "win/ScopeExit.h"
#include "win/SystemError.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <utility>

namespace sevenzip {

namespace {

constexpr UINT32 kAllItems = 0xFFFFFFFF;
constexpr UINT64 kMaxCheckStartPosition = 1 << 20;

// The library fills PROPVARIANTs in place: their layout is the platform's
// (16 bytes on 32-bit Windows, 24 on 64-bit), which 7z.dll was built against.
static_assert(sizeof(PROPVARIANT) == (sizeof(void *) == 8 ? 24 : 16));

HRESULT CopyPassword(const std::wstring &password, BSTR *copy)
{
    *copy = win::AllocateBstr(password.data(), static_cast<UINT>(password.size()));
    return *copy ? S_OK : E_OUTOFMEMORY;
}

} // namespace

T7zPlugin::T7zPlugin(const std::string &libraryPath) : module_(win::LoadLibraryByFullPath(libraryPath))
{
    if (!module_)
        throw std::runtime_error("Error loading library " + libraryPath);
    createObject_ = module_.procedure<CreateObjectFunc>("CreateObject");
    if (!createObject_)
        throw std::runtime_error(libraryPath + " is not a 7z library");
}

T7zArchive::T7zArchive(const std::string &libraryPath) : T7zPlugin(libraryPath)
{
    getHandlerProperty_ = module_.procedure<FARPROC>("GetHandlerProperty");
    if (!getHandlerProperty_)
        throw std::runtime_error(libraryPath + " is not a Format library");
}

T7zInArchive::T7zInArchive(const std::string &libraryPath) : T7zArchive(libraryPath) {}

HRESULT STDMETHODCALLTYPE T7zInArchive::QueryInterface(REFIID iid, void **object)
{
    if (!object)
        return E_POINTER;
    if (iid == IID_IArchiveOpenSetSubArchiveName)
        *object = static_cast<IArchiveOpenSetSubArchiveName *>(this);
    else if (iid == IID_IArchiveOpenVolumeCallback)
        *object = static_cast<IArchiveOpenVolumeCallback *>(this);
    else if (iid == IID_ICryptoGetTextPassword)
        *object = static_cast<ICryptoGetTextPassword *>(this);
    else if (iid == IID_IArchiveExtractCallback)
        *object = static_cast<IArchiveExtractCallback *>(this);
    else if (iid == IID_IArchiveOpenCallback)
        *object = static_cast<IArchiveOpenCallback *>(this);
    else if (iid == IID_IProgress)
        *object = static_cast<IProgress *>(static_cast<IArchiveExtractCallback *>(this));
    else if (iid == IID_I7zInArchive)
        *object = static_cast<I7zInArchive *>(this);
    else
        return TInterfacedObject::QueryInterface(iid, object);
    AddRef();
    return S_OK;
}

IInArchive &T7zInArchive::OpenHandler()
{
    if (!handler_)
        throw std::runtime_error("No archive is open");
    return *handler_.get();
}

win::ComPtr<IInArchive> T7zInArchive::GetInArchive()
{
    if (!handler_) {
        win::ComPtr<IInArchive> created;
        const HRESULT result = createObject_(&classId_, &IID_IInArchive, reinterpret_cast<void **>(created.put()));
        if (FAILED(result))
            throw std::runtime_error(win::SystemErrorText(static_cast<DWORD>(result)));
        if (!created)
            throw std::runtime_error(win::SystemErrorText(static_cast<DWORD>(E_NOINTERFACE)));
        handler_ = std::move(created);
    }
    return handler_;
}

void T7zInArchive::EnsureIdle() const
{
    if (busy_)
        throw std::runtime_error("The archive is in use by a running operation");
}

void T7zInArchive::Open(IInStream *stream)
{
    EnsureIdle();
    busy_ = true;
    const win::ScopeExit idle([this] { busy_ = false; });
    const win::ComPtr<IInArchive> handler = GetInArchive();
    const HRESULT result = handler->Open(stream, &kMaxCheckStartPosition, static_cast<IArchiveOpenCallback *>(this));
    // A failed open leaves nothing open behind it.
    if (result != S_OK || callbackError_) {
        handler->Close();
        handler_.reset();
    }
    RaiseCallbackError();
    CheckResult(result);
}

void T7zInArchive::OpenFile(const std::string &path)
{
    // The handler keeps its own reference to the stream while it needs it,
    // so the file stays open until the handler is closed or released.
    const win::ComPtr<IInStream> stream(
        new T7zStream(std::make_unique<TFileDataStream>(TFileDataStream::OpenForReading(path))));
    Open(stream.get());
}

void T7zInArchive::OpenStream(IInStream *stream)
{
    Open(stream);
}

void T7zInArchive::Close()
{
    EnsureIdle();
    IInArchive &handler = OpenHandler();
    passwordIsSet_ = false;
    handler.Close();
    handler_.reset();
}

uint32_t T7zInArchive::GetNumberOfItems()
{
    UINT32 count = 0;
    CheckResult(OpenHandler().GetNumberOfItems(&count));
    return count;
}

void T7zInArchive::CheckIndex(uint32_t index)
{
    if (index >= GetNumberOfItems())
        throw std::runtime_error("Item index " + std::to_string(index) + " is out of range");
}

void T7zInArchive::ItemProperty(uint32_t index, PROPID propId, PROPVARIANT *value)
{
    CheckIndex(index);
    // A property the library does not supply stays empty; its result code
    // says nothing more.
    OpenHandler().GetProperty(index, propId, value);
}

std::wstring T7zInArchive::GetItemPath(uint32_t index)
{
    win::PropVariant value;
    ItemProperty(index, kpidPath, value.get());
    return value.AsText();
}

std::wstring T7zInArchive::GetItemName(uint32_t index)
{
    win::PropVariant value;
    ItemProperty(index, kpidName, value.get());
    return value.AsText();
}

int32_t T7zInArchive::GetItemSize(uint32_t index)
{
    win::PropVariant value;
    ItemProperty(index, kpidSize, value.get());
    return value.AsInteger();
}

bool T7zInArchive::ItemIsFolder(uint32_t index)
{
    win::PropVariant value;
    ItemProperty(index, kpidIsDir, value.get());
    return value.AsBoolean();
}

void T7zInArchive::Extract(const uint32_t *indices, uint32_t count, bool test)
{
    EnsureIdle();
    if (indices)
        std::for_each(indices, indices + count, [this](uint32_t index) { CheckIndex(index); });
    // Held here too: nothing may pull the handler away while it runs.
    const win::ComPtr<IInArchive> handler(&OpenHandler());
    busy_ = true;
    const win::ScopeExit idle([this] { busy_ = false; });
    callerThread_ = GetCurrentThreadId();
    firstFailure_.clear();
    const HRESULT result = handler->Extract(indices, count, test ? 1 : 0, static_cast<IArchiveExtractCallback *>(this));
    RaiseCallbackError();
    CheckResult(result);
    ForwardOffThreadProgress();
    RaiseItemFailure();
}

void T7zInArchive::ForwardOffThreadProgress()
{
    const int64_t total = offThreadTotal_.exchange(-1), completed = offThreadCompleted_.exchange(-1);
    if (!progressCallback_)
        return;
    if (total >= 0)
        CheckResult(progressCallback_(progressSender_, true, total));
    if (completed >= 0)
        CheckResult(progressCallback_(progressSender_, false, completed));
}

void T7zInArchive::ExtractItem(uint32_t index, TDataStream &stream, bool test)
{
    itemStream_ = &stream;
    const win::ScopeExit clear([this] { itemStream_ = nullptr; });
    Extract(&index, 1, test);
}

void T7zInArchive::ExtractItems(const uint32_t *indices, uint32_t count, bool test, void *sender,
                                T7zGetStreamCallback callback)
{
    streamCallback_ = callback;
    streamSender_ = sender;
    const win::ScopeExit clear([this] {
        streamCallback_ = nullptr;
        streamSender_ = nullptr;
    });
    Extract(indices, count, test);
}

void T7zInArchive::ExtractAll(bool test, void *sender, T7zGetStreamCallback callback)
{
    ExtractItems(nullptr, kAllItems, test, sender, callback);
}

void T7zInArchive::ExtractTo(const std::string &folder)
{
    destination_ = IncludeTrailingBackslash(folder);
    const win::ScopeExit clear([this] { destination_.clear(); });
    Extract(nullptr, kAllItems, false);
}

void T7zInArchive::SetPasswordCallback(void *sender, T7zPasswordCallback callback)
{
    passwordSender_ = sender;
    passwordCallback_ = callback;
}

void T7zInArchive::SetPassword(const std::wstring &password)
{
    password_ = password;
    passwordIsSet_ = !password.empty();
}

void T7zInArchive::SetProgressCallback(void *sender, T7zProgressCallback callback)
{
    progressSender_ = sender;
    progressCallback_ = callback;
}

void T7zInArchive::SetClassId(const GUID &classId)
{
    classId_ = classId;
}

GUID T7zInArchive::GetClassId()
{
    return classId_;
}

// The callbacks below run inside the library, whose frames cannot carry a C++
// exception: one raised by a caller's callback is kept, the library is told
// to stop, and the error is raised again once the library has returned.
template <typename F> HRESULT T7zInArchive::Guarded(F &&callback) noexcept
{
    try {
        return callback();
    } catch (...) {
        callbackError_ = std::current_exception();
        return E_ABORT;
    }
}

void T7zInArchive::RecordFailure(uint32_t index, const std::string &reason) noexcept
{
    try {
        const std::lock_guard lock(failureMutex_);
        if (firstFailure_.empty())
            firstFailure_ = win::WideToAnsi(GetItemPath(index)) + ": " + reason;
    } catch (...) {
        // Out of memory while naming the item: the library's own result
        // still reports the extraction.
    }
}

void T7zInArchive::RaiseItemFailure()
{
    const std::lock_guard lock(failureMutex_);
    if (!firstFailure_.empty())
        throw std::runtime_error("Cannot extract " + std::exchange(firstFailure_, std::string()));
}

void T7zInArchive::RaiseCallbackError()
{
    if (callbackError_)
        std::rethrow_exception(std::exchange(callbackError_, nullptr));
}

HRESULT STDMETHODCALLTYPE T7zInArchive::SetSubArchiveName(const wchar_t *)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE T7zInArchive::GetProperty(PROPID, PROPVARIANT *)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE T7zInArchive::GetStream(const wchar_t *, IInStream **stream)
{
    if (stream)
        *stream = nullptr;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE T7zInArchive::SetTotal(const UINT64 *, const UINT64 *)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE T7zInArchive::SetCompleted(const UINT64 *, const UINT64 *)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE T7zInArchive::CryptoGetTextPassword(BSTR *password)
{
    if (!password)
        return E_POINTER;
    *password = nullptr;
    if (passwordIsSet_)
        return CopyPassword(password_, password);
    if (!passwordCallback_)
        return S_FALSE;
    return Guarded([&] {
        std::wstring given;
        const HRESULT result = passwordCallback_(passwordSender_, given);
        if (result != S_OK)
            return result;
        password_ = std::move(given);
        passwordIsSet_ = true;
        return CopyPassword(password_, password);
    });
}

// The library's multi-threaded decoders report progress from their own
// threads, where the caller's callback (which may move a window's bar) must
// not run: the last such values reach it once the library has returned.
HRESULT STDMETHODCALLTYPE T7zInArchive::SetTotal(UINT64 total)
{
    if (!progressCallback_)
        return S_OK;
    if (GetCurrentThreadId() != callerThread_) {
        offThreadTotal_ = static_cast<int64_t>(total);
        return S_OK;
    }
    return Guarded([&] { return progressCallback_(progressSender_, true, static_cast<int64_t>(total)); });
}

HRESULT STDMETHODCALLTYPE T7zInArchive::SetCompleted(const UINT64 *completed)
{
    if (!progressCallback_ || !completed)
        return S_OK;
    if (GetCurrentThreadId() != callerThread_) {
        offThreadCompleted_ = static_cast<int64_t>(*completed);
        return S_OK;
    }
    return Guarded([&] { return progressCallback_(progressSender_, false, static_cast<int64_t>(*completed)); });
}

// May run on a worker thread of the library: it reads only the fields that
// stay fixed while Extract runs and touches nothing of the GUI.
HRESULT STDMETHODCALLTYPE T7zInArchive::GetStream(UINT32 index, ISequentialOutStream **stream, INT32 askMode)
{
    if (!stream)
        return E_POINTER;
    *stream = nullptr;
    currentItem_ = index;
    if (askMode != kExtract)
        return S_OK;
    if (itemStream_)
        return Guarded([&] {
            *stream = win::ComPtr<ISequentialOutStream>(new T7zStream(*itemStream_)).detach();
            return S_OK;
        });
    if (streamCallback_)
        return Guarded([&] { return streamCallback_(streamSender_, index, stream); });
    if (destination_.empty())
        return S_OK;
    try {
        return StreamForFile(index, stream);
    } catch (const std::exception &error) {
        // The item is skipped: without a stream the library goes on with the next one.
        RecordFailure(index, error.what());
        return S_OK;
    } catch (...) {
        RecordFailure(index, "Unknown error");
        return S_OK;
    }
}

HRESULT T7zInArchive::StreamForFile(uint32_t index, ISequentialOutStream **stream)
{
    // A folder item creates nothing: an empty folder of the archive does not appear.
    if (ItemIsFolder(index))
        return S_OK;
    std::wstring itemPath = GetItemPath(index);
    if (!IsSafeItemPath(itemPath))
        return S_OK;
    std::replace(itemPath.begin(), itemPath.end(), L'/', L'\\');
    // The name is kept in UTF-16 up to the file system, so item names outside
    // the system code page are written as they are instead of being mangled.
    const std::wstring fullName = win::AnsiToWide(destination_) + itemPath;
    win::ForceDirectories(fullName.substr(0, fullName.find_last_of(L'\\')));
    win::Handle file(CreateFileW(fullName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        RecordFailure(index, win::SystemErrorText(GetLastError()));
        return S_OK;
    }
    *stream = win::ComPtr<ISequentialOutStream>(new T7zStream(std::make_unique<TFileDataStream>(std::move(file)))).detach();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE T7zInArchive::PrepareOperation(INT32)
{
    return S_OK;
}

// May run on a worker thread of the library, after GetStream for the same item.
HRESULT STDMETHODCALLTYPE T7zInArchive::SetOperationResult(INT32 result)
{
    if (result == kOK)
        return S_OK;
    bool encrypted = false;
    try {
        win::PropVariant value;
        ItemProperty(currentItem_, kpidEncrypted, value.get());
        encrypted = value.AsBoolean();
    } catch (...) {
        // Unknown: reported as for a plain item.
    }
    RecordFailure(currentItem_, OperationResultText(result, encrypted));
    return S_OK;
}

win::ComPtr<I7zInArchive> CreateInArchive(const GUID &classId, const std::string &libraryPath)
{
    win::ComPtr<I7zInArchive> archive(new T7zInArchive(libraryPath));
    archive->SetClassId(classId);
    return archive;
}

} // namespace sevenzip
