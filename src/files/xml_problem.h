#pragma once

#include "words/message.h"

#include <pugixml.hpp>

// Why pugixml could not parse a text, in the words pugixml uses, but translatable.
Message XmlParseProblem(const pugi::xml_parse_result& parsed);
