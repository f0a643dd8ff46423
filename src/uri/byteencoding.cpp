#include "uri/byteencoding.h"

#include "uri/sharedinstance.h"
#include "uri/utf8encoding.h"

namespace {

constinit TSharedInstance<TUtf8Encoding> SharedUtf8;

}  // namespace

const TByteEncoding& TByteEncoding::UTF8() { return SharedUtf8.Get(); }
