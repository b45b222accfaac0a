#pragma once

#include "media/pluginfactory.h"

#include <QPluginLoader>
#include <QString>

#include <memory>

namespace virdo {

// A plugin that gives the game one Interface through its factory, loaded at the first call
// that needs it: naming the file opens and reads the plugin's metadata, work that start-up
// has no use for. Without the plugin the game goes on without it, after one line on stderr
// (missing: its text, with %1 the file and %2 the loader's reason).
template<typename Interface>
class LazyPlugin
{
public:
    LazyPlugin(QString path, const char *missing)
        : m_path(std::move(path))
        , m_missing(missing)
    {
    }

    // The plugin's object, loaded now if it has not been tried yet; nullptr without it.
    Interface *get()
    {
        if (m_tried)
            return m_object.get();
        m_tried = true;
        m_loader.setFileName(m_path);
        auto *factory = qobject_cast<PluginFactory<Interface> *>(m_loader.instance());
        if (!factory) {
            qWarning("%s", qUtf8Printable(QString::fromUtf8(m_missing).arg(m_path, m_loader.errorString())));
            return nullptr;
        }
        m_object = factory->create();
        return m_object.get();
    }

    // The object if it was loaded, never loading it.
    Interface *loaded() const { return m_object.get(); }

    // Lets go of the object once its release succeeds, and never loads it afterwards. One that
    // would not let go is kept: it would only wait for its thread again as it goes. The plugin
    // itself stays loaded, since a thread stuck outside may still run its code.
    bool release()
    {
        m_tried = true;
        if (!m_object)
            return true;
        const bool released = m_object->release();
        if (released)
            m_object.reset();
        return released;
    }

private:
    QString m_path;
    const char *m_missing;
    QPluginLoader m_loader;
    bool m_tried = false;
    std::unique_ptr<Interface> m_object;
};

} // namespace virdo
