#include "flow/preparationdelafin.h"

#include "media/picture.h"
#include "media/soundplayer.h"
#include "windows/windowresources.h"
#include "windows/gametables.h"

namespace virdo {

PreparationDeLaFin::PreparationDeLaFin(SoundPlayer &son, WindowResources &ressources)
    : m_son(son)
    , m_ressources(ressources)
{
}

void PreparationDeLaFin::preparer()
{
    if (m_faite)
        return;
    m_faite = true;
    m_son.prepare();
    preparePictures();
    m_ressources.icon(tableOf<EurekaControl>().icon);
    m_ressources.icon(tableOf<RejouerControl>().icon);
}

} // namespace virdo
