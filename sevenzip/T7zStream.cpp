#include "sevenzip/T7zStream.h"

namespace sevenzip {

namespace {

// The library's frames cannot carry a C++ exception: a stream that throws
// counts as having moved nothing.
template <typename F> auto Quietly(F &&call, decltype(call()) failed) noexcept -> decltype(call())
{
    try {
        return call();
    } catch (...) {
        return failed;
    }
}

} // namespace

T7zStream::T7zStream(std::unique_ptr<TDataStream> owned) : owned_(std::move(owned)), stream_(*owned_) {}

T7zStream::T7zStream(TDataStream &borrowed) : stream_(borrowed) {}

HRESULT STDMETHODCALLTYPE T7zStream::QueryInterface(REFIID iid, void **object)
{
    if (!object)
        return E_POINTER;
    if (iid == IID_IOutStreamFlush)
        *object = static_cast<IOutStreamFlush *>(this);
    else if (iid == IID_IOutStream)
        *object = static_cast<IOutStream *>(this);
    else if (iid == IID_ISequentialInStream)
        *object = static_cast<ISequentialInStream *>(static_cast<IInStream *>(this));
    else if (iid == IID_ISequentialOutStream)
        *object = static_cast<ISequentialOutStream *>(static_cast<IOutStream *>(this));
    else if (iid == IID_IStreamGetSize)
        *object = static_cast<IStreamGetSize *>(this);
    else if (iid == IID_IInStream)
        *object = static_cast<IInStream *>(this);
    else
        return TInterfacedObject::QueryInterface(iid, object);
    AddRef();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE T7zStream::Flush()
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE T7zStream::Write(const void *data, UINT32 size, UINT32 *processedSize)
{
    const uint32_t done = Quietly([&] { return stream_.Write(data, size); }, 0u);
    if (processedSize)
        *processedSize = done;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE T7zStream::Seek(INT64 offset, UINT32 origin, UINT64 *newPosition)
{
    const int64_t position =
        Quietly([&] { return stream_.Seek(offset, static_cast<SeekOrigin>(origin)); }, int64_t{-1});
    if (newPosition)
        *newPosition = static_cast<UINT64>(position);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE T7zStream::SetSize(UINT64 newSize)
{
    Quietly([&] { return (stream_.SetSize(static_cast<int64_t>(newSize)), true); }, false);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE T7zStream::Read(void *data, UINT32 size, UINT32 *processedSize)
{
    const uint32_t done = Quietly([&] { return stream_.Read(data, size); }, 0u);
    if (processedSize)
        *processedSize = done;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE T7zStream::GetSize(UINT64 *size)
{
    if (size)
        *size = static_cast<UINT64>(Quietly([&] { return stream_.GetSize(); }, int64_t{0}));
    return S_OK;
}

} // namespace sevenzip
