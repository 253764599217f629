#pragma once
#include "sevenzip/InterfacedObject.h"
#include "sevenzip/SevenZipInterfaces.h"
#include "sevenzip/Streams.h"

#include <memory>

namespace sevenzip {

// One data stream seen by the library as its stream interfaces. Every call
// goes straight to the wrapped stream; no buffer is kept here.
class T7zStream : public TInterfacedObject,
                  public IOutStreamFlush,
                  public IOutStream,
                  public IStreamGetSize,
                  public IInStream {
public:
    // Owned: the stream is freed with the wrapper (an output file is closed
    // when the library drops its last reference).
    explicit T7zStream(std::unique_ptr<TDataStream> owned);
    // Borrowed: the caller keeps the stream and must outlive the wrapper's use.
    explicit T7zStream(TDataStream &borrowed);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return TInterfacedObject::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return TInterfacedObject::Release(); }

    HRESULT STDMETHODCALLTYPE Flush() override;
    HRESULT STDMETHODCALLTYPE Write(const void *data, UINT32 size, UINT32 *processedSize) override;
    HRESULT STDMETHODCALLTYPE Seek(INT64 offset, UINT32 origin, UINT64 *newPosition) override;
    HRESULT STDMETHODCALLTYPE SetSize(UINT64 newSize) override;
    HRESULT STDMETHODCALLTYPE Read(void *data, UINT32 size, UINT32 *processedSize) override;
    HRESULT STDMETHODCALLTYPE GetSize(UINT64 *size) override;

private:
    std::unique_ptr<TDataStream> owned_;
    TDataStream &stream_;
};

} // namespace sevenzip
