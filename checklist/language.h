#pragma once

enum class Language { English, Turkish };
