#pragma once

#include "platform/Failure.h"

// A failure of the question bank: the file cannot be opened, is not a bank, or a query failed.
class BankError : public Failure
{
public:
    using Failure::Failure;
};
