#include "PostDataLoad.h"

#include "Logging.h"

void HandleOnPostDataLoad(SFSE::MessagingInterface::Message* a_message)
{
	if (!a_message || a_message->type != SFSE::MessagingInterface::kPostDataLoad) {
		return;
	}
	LOG_INFO("kPostDataLoad");
}
