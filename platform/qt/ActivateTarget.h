// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The object a later start of the converter calls (its adaptor is made from org.orlo.Converter.xml).
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace platform::qt {

class ActivateTarget : public QObject
{
    Q_OBJECT

public:
    explicit ActivateTarget(std::function<void()> onActivate)
        : m_onActivate(std::move(onActivate))
    { }

public slots:
    void Activate()
    {
        // Answer the caller first; showing the window can take a while.
        QTimer::singleShot(0, this, [this] {
            if (m_onActivate)
                m_onActivate();
        });
    }

private:
    std::function<void()> m_onActivate;
};

} // namespace platform::qt
