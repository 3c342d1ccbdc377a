#include "model/game_model.h"
