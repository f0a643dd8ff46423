#include "threads/object.h"

TObject::~TObject() = default;
