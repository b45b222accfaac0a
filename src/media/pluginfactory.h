#pragma once

#include <QtPlugin>

#include <memory>

namespace virdo {

// A plugin's face: it makes the real Made (the sound player, the voice), so that the
// program itself never links the libraries behind it.
template<typename Made>
class PluginFactory
{
public:
    virtual ~PluginFactory() = default;
    virtual std::unique_ptr<Made> create() = 0;
};

} // namespace virdo
