#pragma once

#include "platform/Failure.h"

// A work file that could not be deleted or written; the message names the file and the cause.
class WorkFileError : public Failure
{
public:
    using Failure::Failure;
};
