// Where the store is: kept with the services, so the schedule dialog and the command line find it too.
#pragma once

#include "services/StoreLocation.h"
