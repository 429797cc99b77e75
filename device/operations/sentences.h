#pragma once

#include <QCoreApplication>

// The translation context of the sentences the operations tell people.
class Operations
{
    Q_DECLARE_TR_FUNCTIONS(Operations)
};
